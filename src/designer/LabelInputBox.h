#pragma once
// Kind 4: a fixed label showing its record's caption; it has no content of its own.
// It draws its text as the print lays it out: broken into lines by the same rule,
// with the record's letter and line spacing, and a text longer than the box shows
// below it, where it prints: nothing is cut at the box's bottom.
#include "designer/InputBox.h"

#include <QStringList>

class LabelInputBox : public InputBox {
    Q_OBJECT
public:
    explicit LabelInputBox(QWidget* canvas);

    void LayOut() override;
    void ApplyRecord(const BoxRecord& record) override;
    QString Text() const { return text_; }
    void SetText(const QString& text);
    // The text's lines as shown.
    const QStringList& Lines() const { return lines_; }

protected:
    void ShowSelection(bool) override {} // the selection mark frames the label
    void paintEvent(QPaintEvent* event) override;

private:
    void BreakLines();
    // Spacings in pixels: the record keeps millimetres, which scale with the box.
    double LetterSpacing() const { return letterSpacingShare_ * width(); }
    double LinePitch() const;

    QString text_;
    QStringList lines_;
    int alignment_ = 0;
    QColor color_;
    double letterSpacingShare_ = 0; // letter spacing as a share of the box width
    double lineSpacingShare_ = 0;   // line spacing as a share of the box width
};
