#include "content/layout/BoxDrawing.h"

#include "content/LineStyles.h"
#include "content/layout/BoxContent.h"
#include "content/layout/BoxFont.h"
#include "content/layout/PrinterFont.h"
#include "content/layout/TextDispatch.h"
#include "content/layout/TextLayout.h"
#include "content/layout/TextTokens.h"
#include "content/layout/TwipSurface.h"
#include "content/layout/Twips.h"
#include "store/Format.h"
#include "symbols/SymbolDrawing.h"

#include <QImage>
#include <QPainter>
#include <QPen>

namespace {

// A line's thickness is counted in screen pixels of 1/96 inch.
constexpr double kLineUnitMm = 25.4 / 96;

QRectF BoxRect(const BoxRecord& box, const BoxDrawContext& context) {
    return QRectF(MmToTwips(box.x) - context.shiftX, MmToTwips(box.y) - context.shiftY,
                  MmToTwips(box.w), MmToTwips(box.h));
}

// Sets the printer font; with automatic sizing, shrinks it until the widest line fits.
void SetBoxFont(TwipSurface& surface, const BoxRecord& box, const QString& content,
                const BoxDrawContext& context, double boxWidth, double letterSpacing) {
    const BoxFont font = BoxFontOf(box);
    double size = PrinterFontSize(font, context.designToPaper);
    if (context.autoFontSize)
        size = ShrinkToFit(content, boxWidth, letterSpacing, size,
                           [&](double candidate, const QString& line) {
                               return PlacedWidth(line, [&](const QString& c) {
                                   return TextWidthTwips(font, candidate, c);
                               });
                           });
    surface.SetFont(font, size);
}

void DrawText(TwipSurface& surface, const BoxRecord& box, const QString& content,
              const BoxDrawContext& context) {
    const QRectF rect = BoxRect(box, context);
    const double letterSpacing = MmToTwips(box.s);
    SetBoxFont(surface, box, content, context, rect.width(), letterSpacing);
    const int alignment = box.AlignmentCode();
    const TextDispatch dispatch =
        box.kind == BoxKind::Text ? DispatchDataType(box.cash) : TextDispatch{};
    switch (dispatch.placement) {
    case TextPlacement::Flow:
        LayoutBoxText(surface, content, rect.left(), rect.top(), rect.width(), letterSpacing,
                      MmToTwips(box.LineSpacing()), alignment);
        break;
    case TextPlacement::Cells:
        DrawCells(surface, content, rect.left(), rect.top(), rect.width(), dispatch.cells,
                  alignment);
        break;
    case TextPlacement::AmountCells:
        DrawAmountCells(surface, content, rect.left(), rect.top(), rect.width(), box.cash,
                        alignment, context.conversion);
        break;
    case TextPlacement::Nothing:
        break;
    }
}

void DrawPicture(TwipSurface& surface, const BoxRecord& box, const QString& link,
                 const BoxDrawContext& context) {
    const QRectF rect = BoxRect(box, context);
    if (IsPictureLink(link)) {
        const QImage picture(link);
        if (!picture.isNull()) surface.Painter().drawImage(rect, picture);
        return;
    }
    surface.SetFont(BoxFontOf(box), PrinterFontSize(BoxFontOf(box), context.designToPaper));
    DrawSymbol(surface.Painter(), rect, link, context.barcodeStandard, surface.Font());
}

void DrawLine(TwipSurface& surface, const BoxRecord& box, const BoxDrawContext& context) {
    const double thickness = box.fontSize > 0 ? box.fontSize : 1;
    QPen pen(RecordColor(box.color), MmToTwips(thickness * kLineUnitMm), LinePenStyle(box.cash));
    pen.setCapStyle(Qt::FlatCap);
    QPainter& painter = surface.Painter();
    painter.save();
    painter.setPen(pen);
    painter.drawLine(QPointF(MmToTwips(box.x) - context.shiftX, MmToTwips(box.y) - context.shiftY),
                     QPointF(MmToTwips(box.w) - context.shiftX, MmToTwips(box.h) - context.shiftY));
    painter.restore();
}

} // namespace

void DrawBox(TwipSurface& surface, const BoxRecord& box, const QString& content,
             const BoxDrawContext& context) {
    if (box.kind == BoxKind::Line) {
        DrawLine(surface, box, context);
        return;
    }
    if (content.isEmpty()) return;
    if (box.kind == BoxKind::Picture) DrawPicture(surface, box, content, context);
    else DrawText(surface, box, content, context);
}
