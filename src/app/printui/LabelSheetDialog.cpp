#include "app/printui/LabelSheetDialog.h"

#include "app/printui/LabelSheetPreview.h"
#include "app/printui/OkCancelButtons.h"
#include "app/printui/PrintUiTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

QSpinBox* CountField(const char* name, int maximum, int value, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, maximum);
    field->setValue(qBound(1, value, maximum));
    return field;
}

QDoubleSpinBox* SizeField(const char* name, double value, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(1, 5000);
    field->setDecimals(1);
    field->setValue(value);
    return field;
}

QCheckBox* Option(const char* name, const QString& text, bool on, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    return box;
}

} // namespace

LabelSheetDialog::LabelSheetDialog(const Format& format, const BillPageOptions& options, int count,
                                   std::function<Bill(int)> billAt, bool guides, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("LabelSheet"));
    setWindowTitle(PrintUiText::kLabelSheetTitle);
    const LabelSheetSpec remembered = ReadLabelSheetSpec();
    columns_ = CountField("Columns", kMaxLabelColumns, remembered.columns, this);
    rows_ = CountField("Rows", kMaxLabelRows, remembered.rows, this);
    width_ = SizeField("SheetWidth", remembered.widthMm, this);
    height_ = SizeField("SheetHeight", remembered.heightMm, this);
    background_ = Option("WithBackground", PrintUiText::kWithBackground, false, this);
    separators_ = Option("Separators", PrintUiText::kSeparators, false, this);
    guides_ = Option("Guides", PrintUiText::kGuides, guides, this);
    page_ = new QLabel(this);
    page_->setObjectName(QStringLiteral("PreviewPage"));
    preview_ = new LabelSheetPreview(format, options, count, std::move(billAt), this);
    preview_->SetGuides(guides);

    auto* previous = new QPushButton(PrintUiText::kPreviousPage, this);
    previous->setObjectName(QStringLiteral("PreviousPage"));
    auto* next = new QPushButton(PrintUiText::kNextPage, this);
    next->setObjectName(QStringLiteral("NextPage"));
    connect(previous, &QPushButton::clicked, this, [this] { preview_->ShowPage(preview_->Page() - 1); });
    connect(next, &QPushButton::clicked, this, [this] { preview_->ShowPage(preview_->Page() + 1); });
    connect(preview_, &LabelSheetPreview::PageShown, this, [this](int page, int pages) {
        page_->setText(PrintUiText::PreviewPage(page + 1, pages));
    });
    for (QSpinBox* field : {columns_, rows_})
        connect(field, &QSpinBox::valueChanged, this, &LabelSheetDialog::Changed);
    for (QDoubleSpinBox* field : {width_, height_})
        connect(field, &QDoubleSpinBox::valueChanged, this, &LabelSheetDialog::Changed);
    connect(background_, &QCheckBox::toggled, this, &LabelSheetDialog::Changed);
    connect(guides_, &QCheckBox::toggled, preview_, &LabelSheetPreview::SetGuides);

    auto* fields = new QFormLayout;
    fields->addRow(PrintUiText::kColumns, columns_);
    fields->addRow(PrintUiText::kRows, rows_);
    fields->addRow(PrintUiText::kSheetWidth, width_);
    fields->addRow(PrintUiText::kSheetHeight, height_);
    fields->addRow(background_);
    fields->addRow(separators_);
    fields->addRow(guides_);
    auto* paging = new QHBoxLayout;
    paging->addWidget(previous);
    paging->addWidget(page_, 1, Qt::AlignCenter);
    paging->addWidget(next);
    fields->addRow(paging);
    fields->addRow(OkCancelButtons(this));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(preview_, 1);
    preview_->SetSpec(Spec());
}

LabelSheetSpec LabelSheetDialog::Spec() const {
    LabelSheetSpec spec;
    spec.columns = columns_->value();
    spec.rows = rows_->value();
    spec.widthMm = width_->value();
    spec.heightMm = height_->value();
    spec.background = background_->isChecked();
    spec.separators = separators_->isChecked();
    return spec;
}

bool LabelSheetDialog::Guides() const { return guides_->isChecked(); }

void LabelSheetDialog::Changed() {
    const LabelSheetSpec spec = Spec();
    WriteLabelSheetSpec(spec);
    preview_->SetSpec(spec);
}
