#include "print/PrintableArea.h"

#include "print/BillPage.h"
#include "print/PaperCheck.h"
#include "print/PrintSystem.h"
#include "print/PrinterCorrection.h"
#include "print/ProfileTexts.h"
#include "store/BoxKinds.h"
#include "store/Format.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTransform>
#include <algorithm>

namespace {

// A box's extent in mm where the printer is told to draw it: moved by the format's
// shift, then through the seat's profile; a line runs from (x, y) to (w, h).
QRectF OnPaper(const BoxRecord& box, const QPointF& shift, const QTransform& profile) {
    const BoxKindTraits* traits = TraitsOf(box.kind);
    const QRectF extent = traits && traits->placedByEndPoints
                              ? QRectF(QPointF(box.x, box.y), QPointF(box.w, box.h)).normalized()
                              : QRectF(box.x, box.y, box.w, box.h);
    return profile.mapRect(extent.translated(-shift));
}

} // namespace

QStringList BoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format) {
    const QString queue = PrintQueueOf(device);
    if (queue.isEmpty()) return {};
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF margins = layout.minimumMargins();
    if (margins.isNull()) return {};
    const QSizeF paper = format.page.options.setPaper ? QSizeF(format.page.width, format.page.height)
                                                      : PaperSizeMm(device, format.page);
    // A hundredth of a millimetre of rounding in the sizes is no reason to warn.
    constexpr double kRounding = 0.01;
    const QRectF printable = QRectF(QPointF(0, 0), paper).marginsRemoved(margins).adjusted(-kRounding, -kRounding,
                                                                                          kRounding, kRounding);
    const QPointF shift(ShiftXmm(format), ShiftYmm(format));
    const PrinterProfile profile = ProfileForPrint(queue, format.name);
    const QTransform drawn = QTransform().translate(-profile.offsetX, -profile.offsetY).scale(profile.scaleX,
                                                                                             profile.scaleY);
    QStringList labels;
    for (const BoxKindTraits& traits : kBoxKindTraits)
        for (const BoxRecord& box : format.boxes)
            if (box.kind == traits.kind && !printable.contains(OnPaper(box, shift, drawn)))
                labels << (box.label.isEmpty() ? ProfileText::UnlabelledBox(int(box.kind)) : box.label);
    return labels;
}

QString HardwareMarginWarning(const QPagedPaintDevice& device, const Format& format) {
    const QStringList boxes = BoxesInHardwareMargins(device, format);
    if (boxes.isEmpty()) return {};
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF margins = layout.minimumMargins();
    const double widest = std::max({margins.left(), margins.top(), margins.right(), margins.bottom()});
    return ProfileText::OutsidePrintableArea(PrintQueueOf(device), widest, boxes);
}
