#include "app/PasswordAreaDialog.h"

#include "aids/AidsTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");

QString Storable(QString text) {
    return text.remove(QStringLiteral("{[]}")).remove(u'|');
}

QSpinBox* CountBox(int value, int limit, const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, limit);
    box->setValue(value);
    return box;
}
} // namespace

PasswordAreaDialog::PasswordAreaDialog(const PasswordParams& params, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PsdParaSet"));
    setWindowTitle(AidsText::kPasswordTitle);
    charset_ = new QLineEdit(params.charset, this);
    charset_->setObjectName(QStringLiteral("Charset"));
    perSegment_ = CountBox(params.perSegment, kMaxPerSegment, QStringLiteral("PerSegment"), this);
    segments_ = CountBox(params.segments, kMaxSegments, QStringLiteral("Segments"), this);
    const bool lineBreak = params.separator == kLineBreak;
    separator_ = new QLineEdit(lineBreak ? QString() : params.separator, this);
    separator_->setObjectName(QStringLiteral("Separator"));
    separator_->setEnabled(!lineBreak);
    lineBreak_ = new QCheckBox(AidsText::kPasswordLineBreak, this);
    lineBreak_->setObjectName(QStringLiteral("LineBreak"));
    lineBreak_->setChecked(lineBreak);
    connect(lineBreak_, &QCheckBox::toggled, separator_, [this](bool on) { separator_->setEnabled(!on); });

    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(separator_, 1);
    separatorRow->addWidget(lineBreak_);
    auto* form = new QFormLayout(this);
    form->addRow(AidsText::kPasswordCharset, charset_);
    form->addRow(AidsText::kPasswordPerSegment, perSegment_);
    form->addRow(AidsText::kPasswordSegments, segments_);
    form->addRow(AidsText::kPasswordSeparator, separatorRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PasswordParams PasswordAreaDialog::Params() const {
    PasswordParams params;
    const QString charset = Storable(charset_->text());
    if (!charset.isEmpty()) params.charset = charset;
    params.perSegment = perSegment_->value();
    params.segments = segments_->value();
    params.separator = lineBreak_->isChecked() ? kLineBreak : Storable(separator_->text());
    return params;
}
