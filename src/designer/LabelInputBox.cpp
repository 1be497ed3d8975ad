#include "designer/LabelInputBox.h"

#include "content/layout/BoxFont.h"
#include "content/layout/TextTokens.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QVBoxLayout>

LabelInputBox::LabelInputBox(QWidget* canvas) : InputBox(BoxKind::Label, canvas) {
    setObjectName(QStringLiteral("Label"));
    label_ = new QLabel(this);
    label_->setTextFormat(Qt::PlainText);
    // Explicit: on the canvas's Base background Qt would pick the Text role for the
    // ink, which the record colour below does not set.
    label_->setForegroundRole(QPalette::WindowText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    WatchInput(label_);
}

void LabelInputBox::LayOut() {
    InputBox::LayOut();
    ShowLines();
}

void LabelInputBox::ApplyRecord(const BoxRecord& record) {
    InputBox::ApplyRecord(record);
    spacingShare_ = record.w > 0 ? record.s / record.w : 0;
    text_ = record.label;
    label_->setAlignment(HorizontalAlignment(record.AlignmentCode()) | Qt::AlignTop);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, RecordColor(record.color));
    label_->setPalette(palette);
    ShowLines();
}

void LabelInputBox::SetText(const QString& text) {
    text_ = text;
    ShowLines();
}

// The lines are broken here, by the rule the print follows, rather than by the
// label's own word wrap, which breaks Latin words and CJK text differently.
void LabelInputBox::ShowLines() {
    const double spacing = spacingShare_ * width();
    QFont spaced = font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    label_->setFont(spaced);

    const QFontMetricsF metrics(font());
    const TextMeasure characterWidth = [&](const QString& c) { return metrics.horizontalAdvance(c); };
    const TextMeasure measure = [&](const QString& s) { return PlacedWidth(s, characterWidth); };
    QStringList lines;
    for (const QString& source : SplitSourceLines(text_))
        lines << BreakSourceLine(source, width(), spacing, measure);
    label_->setText(lines.join(u'\n'));
    const int needed = label_->sizeHint().height();
    if (needed > height()) resize(width(), needed);
}
