#include "print/LabelSheet.h"

#include "store/PackedSpacing.h"
#include "content/layout/Twips.h"
#include "core/Asker.h"
#include "print/JobProgress.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "store/Bill.h"
#include "store/Format.h"
#include "store/ParamStore.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <numeric>

namespace {

// The separator lines of a printed sheet.
const QColor kSeparatorColour(0xFF, 0x22, 0xFF);

// Millimetres to the painter's own units (device pixels under its transform).
QPointF ToDevice(const QPainter& painter, const QPointF& mm) {
    const QPaintDevice* device = painter.device();
    return {MmToTwips(mm.x()) * device->logicalDpiX() / kTwipsPerInch,
            MmToTwips(mm.y()) * device->logicalDpiY() / kTwipsPerInch};
}

// A tenth of a millimetre wide: visible on paper at any printer resolution.
QPen SeparatorPen(const QPainter& painter) {
    return QPen(kSeparatorColour, painter.device()->logicalDpiX() / 254.0);
}

double ReadField(int index, double fallback) {
    bool ok = false;
    const double value = ReadSetting(PrintText::kLabelSettingsApp, PrintText::kLabelSection,
                                     PrintText::LabelFieldKey(index), QString())
                             .toDouble(&ok);
    return ok ? value : fallback;
}

} // namespace

bool LabelSheetSpec::Valid() const {
    return columns >= 1 && columns <= kMaxLabelColumns && rows >= 1 && rows <= kMaxLabelRows
           && widthMm > 0 && heightMm > 0;
}

int LabelSheetSpec::SheetCount(int labels) const {
    return labels <= 0 || !Valid() ? 0 : (labels + PerSheet() - 1) / PerSheet();
}

LabelSheetSpec ReadLabelSheetSpec() {
    LabelSheetSpec spec;
    spec.columns = int(ReadField(0, spec.columns));
    spec.rows = int(ReadField(1, spec.rows));
    spec.widthMm = ReadField(2, spec.widthMm);
    spec.heightMm = ReadField(3, spec.heightMm);
    return spec;
}

void WriteLabelSheetSpec(const LabelSheetSpec& spec) {
    const double fields[] = {double(spec.columns), double(spec.rows), spec.widthMm, spec.heightMm};
    for (int index = 0; index < 4; ++index)
        WriteSetting(PrintText::kLabelSettingsApp, PrintText::kLabelSection,
                     PrintText::LabelFieldKey(index), QString::number(fields[index], 'g', 12));
}

Format ScaledToCell(const Format& format, const QSizeF& cellMm) {
    Format cell = format;
    const double across = format.page.width > 0 ? cellMm.width() / format.page.width : 0;
    const double down = format.page.height > 0 ? cellMm.height() / format.page.height : 0;
    cell.page.width = cellMm.width();
    cell.page.height = cellMm.height();
    for (BoxRecord& box : cell.boxes) {
        // A line's W and H are its end point: scaled the same way.
        box.x *= across;
        box.w *= across;
        box.y *= down;
        box.h *= down;
        box.s *= across;
        const double spacing = LineSpacingMm(box.l);
        box.l = box.l - spacing + spacing * down;
    }
    return cell;
}

void DrawLabelSheet(QPainter& painter, const Format& cellFormat, const LabelSheetSpec& spec,
                    const QList<Bill>& bills, const QPointF& originMm,
                    const BillPageOptions& options) {
    BillPageOptions cellOptions = options;
    cellOptions.calibrated = false;
    cellOptions.background = spec.background;
    const QSizeF cell = spec.CellMm();
    for (int index = 0; index < bills.size() && index < spec.PerSheet(); ++index) {
        const QPointF corner = originMm + QPointF((index % spec.columns) * cell.width(),
                                                  (index / spec.columns) * cell.height());
        painter.save();
        painter.translate(ToDevice(painter, corner));
        PrintPage(painter, cellFormat, bills[index], cellOptions);
        painter.restore();
    }
}

void DrawCellLines(QPainter& painter, const LabelSheetSpec& spec, const QPointF& originMm,
                   const QPen& pen) {
    painter.save();
    painter.setPen(pen);
    const QSizeF cell = spec.CellMm();
    for (int column = 1; column < spec.columns; ++column) {
        const double x = originMm.x() + column * cell.width();
        painter.drawLine(ToDevice(painter, {x, originMm.y()}),
                         ToDevice(painter, {x, originMm.y() + spec.heightMm}));
    }
    for (int row = 1; row < spec.rows; ++row) {
        const double y = originMm.y() + row * cell.height();
        painter.drawLine(ToDevice(painter, {originMm.x(), y}),
                         ToDevice(painter, {originMm.x() + spec.widthMm, y}));
    }
    painter.restore();
}

BatchResult PrintLabelSheets(PrintJob& job, const Format& format, const LabelSheetSpec& spec,
                             const BatchSource& source, const BatchOptions& options,
                             JobProgress& progress, Asker& asker) {
    BatchResult result;
    if (!spec.Valid() || source.count <= 0) return result;
    const Format cellFormat = ScaledToCell(format, spec.CellMm());
    BillPageOptions cellOptions = options.page;
    if (spec.background) cellOptions.backgroundPicture = &job.BackgroundPicture(format);
    PageParams sheetPage = format.page;
    sheetPage.width = spec.widthMm;
    sheetPage.height = spec.heightMm;
    const QPointF origin(-(format.page.offsetX - 10), -(format.page.offsetY - 10));
    const int copies = qMax(1, options.copies);
    const int sheets = spec.SheetCount(source.count);
    QList<int> labelsOnSheet; // of every sheet begun, for the count of those that went out
    QString problem;
    {
        ProgressScope scope(progress, options.caption, sheets * copies);
        QList<Bill> bills;
        for (int copy = 0; copy < copies && problem.isEmpty() && !result.cancelled; ++copy) {
            for (int sheet = 0; sheet < sheets; ++sheet) {
                if (progress.CancelRequested()) {
                    result.cancelled = true;
                    break;
                }
                bills.clear();
                const int first = sheet * spec.PerSheet();
                for (int index = first; index < qMin(source.count, first + spec.PerSheet()); ++index) {
                    Bill bill;
                    if (!source.load(index, bill, &problem)) {
                        problem = PrintText::BillNotLoaded(source.Describe(index), problem);
                        result.failedIndex = index;
                        break;
                    }
                    bills << bill;
                }
                // The labels read before a row that cannot be read still print.
                QPainter* painter = bills.isEmpty() ? nullptr : job.BeginSheet(sheetPage, format.name);
                if (painter) {
                    DrawLabelSheet(*painter, cellFormat, spec, bills, origin, cellOptions);
                    if (spec.separators) DrawCellLines(*painter, spec, origin, SeparatorPen(*painter));
                    labelsOnSheet << int(bills.size());
                } else if (!bills.isEmpty() && problem.isEmpty()) {
                    problem = PrintText::BillNotPrinted(source.Describe(first));
                    result.failedIndex = first;
                }
                if (!problem.isEmpty()) break;
                scope.Step();
            }
        }
    }
    result.ended = job.End();
    const qsizetype sent = std::min<qsizetype>(job.PagesSent(), labelsOnSheet.size());
    result.printed = std::accumulate(labelsOnSheet.begin(), labelsOnSheet.begin() + sent, 0);
    ReportBatchEnd(problem, result, asker);
    return result;
}
