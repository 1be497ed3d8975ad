#include "print/PrintableArea.h"

#include "print/BillPage.h"
#include "print/LabelSheet.h"
#include "print/PaperCheck.h"
#include "print/PrintSystem.h"
#include "print/PrinterCorrection.h"
#include "print/ProfileTexts.h"
#include "store/BoxKinds.h"
#include "store/Format.h"

#include <QMap>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTransform>
#include <algorithm>
#include <optional>

namespace {

// Where a queue's printer draws on one page: the printable part of the paper in mm and
// the seat's profile that moves what is drawn there.
struct Reach {
    QString queue;
    QRectF printable;
    QTransform profile;
    double widestMarginMm = 0;
};

// The reach of the queue on a page `page` of `formatName`; nullopt for a PDF file or a
// printer without margins.
std::optional<Reach> ReachOf(const QPagedPaintDevice& device, const PageParams& page, const QString& formatName) {
    const QString queue = PrintQueueOf(device);
    if (queue.isEmpty()) return std::nullopt;
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    QMarginsF margins = layout.minimumMargins();
    if (margins.isNull()) return std::nullopt;
    const PrinterProfile profile = ProfileForPrint(queue, formatName);
    QSizeF paper = page.options.setPaper ? QSizeF(page.width, page.height) : PaperSizeMm(device, page);
    if (profile.continuous) {
        // A strip of forms always sets the paper; the form is what its boxes lie on.
        paper = QSizeF(page.width, page.height);
        margins.setTop(std::max(0.0, margins.top() - FormStartForPrint(queue)));
        margins.setBottom(margins.bottom() + kFeedLineMm);
    }
    // A hundredth of a millimetre of rounding in the sizes is no reason to warn.
    constexpr double kRounding = 0.01;
    Reach reach;
    reach.queue = queue;
    reach.printable = QRectF(QPointF(0, 0), paper).marginsRemoved(margins).adjusted(-kRounding, -kRounding,
                                                                                    kRounding, kRounding);
    reach.profile = QTransform().translate(-profile.offsetX, -profile.offsetY).scale(profile.scaleX, profile.scaleY);
    reach.widestMarginMm = std::max({margins.left(), margins.top(), margins.right(), margins.bottom()});
    return reach;
}

// A box's extent in mm on its page, its page's corner at `corner`; a line runs from
// (x, y) to (w, h).
QRectF Extent(const BoxRecord& box, const QPointF& corner) {
    const BoxKindTraits* traits = TraitsOf(box.kind);
    const QRectF extent = traits && traits->placedByEndPoints
                              ? QRectF(QPointF(box.x, box.y), QPointF(box.w, box.h)).normalized()
                              : QRectF(box.x, box.y, box.w, box.h);
    return extent.translated(corner);
}

QString BoxName(const BoxRecord& box) {
    return box.label.isEmpty() ? ProfileText::UnlabelledBox(int(box.kind)) : box.label;
}

// The format's boxes in print order: by kind, then as listed.
QList<const BoxRecord*> InPrintOrder(const Format& format) {
    QList<const BoxRecord*> boxes;
    for (const BoxKindTraits& traits : kBoxKindTraits)
        for (const BoxRecord& box : format.boxes)
            if (box.kind == traits.kind) boxes << &box;
    return boxes;
}

bool OutOfReach(const Reach& reach, const BoxRecord& box, const QPointF& corner) {
    // By its corners: a line across or down has no height or width, and a rectangle
    // without area is inside no other.
    const QRectF drawn = reach.profile.mapRect(Extent(box, corner));
    return !reach.printable.contains(drawn.topLeft()) || !reach.printable.contains(drawn.bottomRight());
}

QPointF FormatShift(const Format& format) { return {ShiftXmm(format), ShiftYmm(format)}; }

PageParams SheetPage(const Format& format, const LabelSheetSpec& spec) {
    PageParams sheet = format.page;
    sheet.width = spec.widthMm;
    sheet.height = spec.heightMm;
    return sheet;
}

} // namespace

QStringList BoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format) {
    const std::optional<Reach> reach = ReachOf(device, format.page, format.name);
    if (!reach) return {};
    QStringList names;
    for (const BoxRecord* box : InPrintOrder(format))
        if (OutOfReach(*reach, *box, -FormatShift(format))) names << BoxName(*box);
    return names;
}

QStringList LabelBoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format,
                                        const LabelSheetSpec& spec) {
    if (!spec.Valid()) return {};
    const std::optional<Reach> reach = ReachOf(device, SheetPage(format, spec), format.name);
    if (!reach) return {};
    // The labels as the sheet lays them out: the format shrunk into each cell, the
    // first cell moved by the format's offsets.
    const Format cell = ScaledToCell(format, spec.CellMm());
    QStringList names;
    for (const BoxRecord* box : InPrintOrder(cell)) {
        QList<int> labels;
        for (int index = 0; index < spec.PerSheet(); ++index) {
            const QPointF corner = -FormatShift(format) + QPointF((index % spec.columns) * spec.CellMm().width(),
                                                                  (index / spec.columns) * spec.CellMm().height());
            if (OutOfReach(*reach, *box, corner)) labels << index + 1;
        }
        if (!labels.isEmpty()) names << ProfileText::InLabels(BoxName(*box), labels, spec.PerSheet());
    }
    return names;
}

namespace {

QString Warning(const QPagedPaintDevice& device, const PageParams& page, const QString& formatName,
                const QStringList& boxes) {
    if (boxes.isEmpty()) return {};
    const std::optional<Reach> reach = ReachOf(device, page, formatName);
    return ProfileText::OutsidePrintableArea(reach->queue, reach->widestMarginMm, boxes);
}

} // namespace

QString HardwareMarginWarning(const QPagedPaintDevice& device, const Format& format) {
    return Warning(device, format.page, format.name, BoxesInHardwareMargins(device, format));
}

QString LabelSheetMarginWarning(const QPagedPaintDevice& device, const Format& format, const LabelSheetSpec& spec) {
    return Warning(device, SheetPage(format, spec), format.name, LabelBoxesInHardwareMargins(device, format, spec));
}
