#include "print/BillPage.h"

#include "content/layout/BoxContent.h"
#include "content/layout/BoxDrawing.h"
#include "content/layout/PrinterFont.h"
#include "content/layout/TwipSurface.h"
#include "content/layout/Twips.h"
#include "store/BoxKinds.h"
#include "store/Bill.h"
#include "store/Format.h"
#include "store/FormatStore.h"

#include <QImage>
#include <QPainter>

namespace {

// Centre-fed paper guides put the bill in the middle of the printer's extent: half
// the difference, along the width when fed lengthwise, else along the height. The
// boxes move with the picture, so that data and background stay together.
QPointF CentreShift(const TwipSurface& surface, const PageParams& page) {
    if (!page.options.optionBoxes[kCentreFed]) return {};
    if (page.options.optionBoxes[kLengthwise])
        return {(surface.DeviceWidth() - MmToTwips(page.width)) / 2, 0};
    return {0, (surface.DeviceHeight() - MmToTwips(page.height)) / 2};
}

void DrawBackground(TwipSurface& surface, const Format& format, const QImage* decoded,
                    const QPointF& origin) {
    const QImage picture = decoded ? *decoded : QImage(BackgroundPicturePath(format.name));
    if (picture.isNull()) return;
    surface.Painter().drawImage(
        QRectF(origin, QSizeF(MmToTwips(format.page.width), MmToTwips(format.page.height))),
        picture);
}

void DrawBillEdge(TwipSurface& surface, const Format& format, const QPointF& origin) {
    QPainter& painter = surface.Painter();
    painter.save();
    painter.setPen(QPen(QColor(90, 110, 160), 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, QSizeF(MmToTwips(format.page.width), MmToTwips(format.page.height))));
    painter.restore();
}

} // namespace

BillPageOptions PreviewOptions(BillPageOptions printed) {
    printed.background = true;
    printed.backgroundOpacity = 0.3;
    printed.billEdge = true;
    return printed;
}

double ShiftXmm(const Format& format) { return format.page.offsetX - 10; }
double ShiftYmm(const Format& format) { return format.page.offsetY - 10; }

void PrintPage(QPainter& painter, const Format& format, const Bill& bill,
               const BillPageOptions& options) {
    TwipSurface surface(painter);
    QPointF shift;
    if (options.calibrated)
        shift = QPointF(MmToTwips(ShiftXmm(format)), MmToTwips(ShiftYmm(format))) -
                CentreShift(surface, format.page);
    if (options.background) {
        painter.save();
        painter.setOpacity(options.backgroundOpacity);
        DrawBackground(surface, format, options.backgroundPicture, -shift);
        painter.restore();
    }
    if (options.billEdge) DrawBillEdge(surface, format, -shift);

    BoxDrawContext context;
    context.shiftX = shift.x();
    context.shiftY = shift.y();
    context.designToPaper = DesignToPaper(format.page.width, options.canvasWidthTwips);
    context.autoFontSize = format.page.options.autoFontSize;
    context.barcodeStandard = format.page.options.barcodeStandard;
    context.conversion.currency = format.page.options.currency;
    context.conversion.monthZero = format.page.options.monthZero;
    context.conversion.roundingMethod = options.roundingMethod;

    for (const BoxKindTraits& traits : kBoxKindTraits)
        for (const BoxRecord& box : format.boxes)
            if (box.kind == traits.kind) DrawBox(surface, box, PrintedContent(box, bill), context);
}
