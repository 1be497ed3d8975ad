#include "designer/LabelInputBox.h"

#include "content/layout/BoxFont.h"

#include <QLabel>
#include <QVBoxLayout>

LabelInputBox::LabelInputBox(QWidget* canvas) : InputBox(BoxKind::Label, canvas) {
    setObjectName(QStringLiteral("Label"));
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    // Explicit: on the canvas's Base background Qt would pick the Text role for the
    // ink, which the record colour below does not set.
    label_->setForegroundRole(QPalette::WindowText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    WatchInput(label_);
}

void LabelInputBox::ApplyRecord(const BoxRecord& record) {
    InputBox::ApplyRecord(record);
    label_->setFont(font());
    label_->setText(record.label);
    label_->setAlignment(HorizontalAlignment(record.AlignmentCode()) | Qt::AlignTop);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, RecordColor(record.color));
    label_->setPalette(palette);
}

QString LabelInputBox::Text() const {
    return label_->text();
}

void LabelInputBox::SetText(const QString& text) {
    label_->setText(text);
}

void LabelInputBox::ShowSelection(bool selected) {
    label_->setFrameShape(selected ? QFrame::Box : QFrame::NoFrame);
}
