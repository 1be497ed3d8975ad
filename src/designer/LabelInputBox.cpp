#include "designer/LabelInputBox.h"

#include "content/layout/BoxFont.h"
#include "content/layout/TextTokens.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
TextMeasure PlacedMeasure(const QFontMetricsF& metrics) {
    return [&metrics](const QString& text) {
        return PlacedWidth(text, [&metrics](const QString& c) { return metrics.horizontalAdvance(c); });
    };
}
} // namespace

LabelInputBox::LabelInputBox(QWidget* canvas) : InputBox(BoxKind::Label, canvas) {
    setObjectName(QStringLiteral("Label"));
}

void LabelInputBox::LayOut() {
    InputBox::LayOut();
    BreakLines();
}

void LabelInputBox::ApplyRecord(const BoxRecord& record) {
    InputBox::ApplyRecord(record);
    text_ = record.label;
    alignment_ = record.AlignmentCode();
    color_ = RecordColor(record.color);
    letterSpacingShare_ = record.w > 0 ? record.s / record.w : 0;
    lineSpacingShare_ = record.w > 0 ? record.LineSpacing() / record.w : 0;
    BreakLines();
}

void LabelInputBox::SetText(const QString& text) {
    text_ = text;
    BreakLines();
}

// One line's height, then the spacing, then one twip more, as the print steps down.
double LabelInputBox::LinePitch() const {
    return QFontMetricsF(font()).height() + lineSpacingShare_ * width() + 1 / Environment().twipsPerPixel;
}

void LabelInputBox::BreakLines() {
    const QFontMetricsF metrics(font());
    const TextMeasure measure = PlacedMeasure(metrics);
    lines_.clear();
    for (const QString& source : SplitSourceLines(text_))
        lines_ << BreakSourceLine(source, width(), LetterSpacing(), measure);
    // The box's own height, or more when the lines reach below it.
    const int boxHeight = int(std::lround(Twips().height() / Environment().twipsPerPixel));
    const int needed = lines_.isEmpty()
                           ? 0
                           : int(std::ceil((lines_.size() - 1) * LinePitch() + metrics.height()));
    resize(width(), std::max(boxHeight, needed));
    update();
}

// Character by character, each followed by the letter spacing, as the print places them.
void LabelInputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(color_);
    const QFontMetricsF metrics(font());
    const TextMeasure measure = PlacedMeasure(metrics);
    const double spacing = LetterSpacing();
    double y = 0;
    for (const QString& line : std::as_const(lines_)) {
        const double lineWidth = measure(line) + CharacterCount(line) * spacing;
        double x = 0;
        if (alignment_ == 1) x = width() - lineWidth - 1;
        else if (alignment_ == 2) x = (width() - lineWidth - 1) / 2;
        for (const QString& character : Characters(line)) {
            painter.drawText(QPointF(x, y + metrics.ascent()), character);
            x += metrics.horizontalAdvance(character) + spacing;
        }
        y += LinePitch();
    }
}
