#include "app/printui/LabelSheetPreview.h"

#include "content/layout/Twips.h"
#include "store/Bill.h"

#include <QPainter>
#include <QPen>

namespace {
const QColor kGuideColour(0xAA, 0xAA, 0xAA);
} // namespace

LabelSheetPreview::LabelSheetPreview(const Format& format, const BillPageOptions& options,
                                     int count, std::function<Bill(int)> billAt, QWidget* parent)
    : QWidget(parent), format_(format), options_(options), count_(count),
      billAt_(std::move(billAt)) {
    setObjectName(QStringLiteral("LabelSheetPreview"));
    setMinimumSize(200, 260);
    SetSpec(spec_);
}

void LabelSheetPreview::SetSpec(const LabelSheetSpec& spec) {
    spec_ = spec;
    if (spec_.Valid()) cellFormat_ = ScaledToCell(format_, spec_.CellMm());
    ShowPage(page_);
}

void LabelSheetPreview::SetGuides(bool on) {
    guides_ = on;
    update();
}

int LabelSheetPreview::PageCount() const { return qMax(1, spec_.SheetCount(count_)); }

int LabelSheetPreview::LabelsShown() const {
    if (!spec_.Valid()) return 0;
    return qBound(0, count_ - page_ * spec_.PerSheet(), spec_.PerSheet());
}

void LabelSheetPreview::ShowPage(int page) {
    page_ = qBound(0, page, PageCount() - 1);
    update();
    Q_EMIT PageShown(page_, PageCount());
}

void LabelSheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!spec_.Valid()) return;
    // The sheet in this widget's pixels, fitted with a small margin.
    const double pxPerMm = MmToTwips(1) * logicalDpiX() / kTwipsPerInch;
    const double scale = qMin((width() - 8) / (spec_.widthMm * pxPerMm),
                              (height() - 8) / (spec_.heightMm * pxPerMm));
    if (scale <= 0) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(4, 4);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, spec_.widthMm * pxPerMm, spec_.heightMm * pxPerMm), Qt::white);
    if (guides_) {
        QPen guide(kGuideColour, 0, Qt::DotLine);
        DrawCellLines(painter, spec_, {}, guide);
    }
    QList<Bill> bills;
    const int first = page_ * spec_.PerSheet();
    for (int index = first; index < first + LabelsShown(); ++index) bills << billAt_(index);
    DrawLabelSheet(painter, cellFormat_, spec_, bills, {}, options_);
}
