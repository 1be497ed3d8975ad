#pragma once
// Kind 4: a fixed label showing its record's caption; it has no content of its own.
// Its text breaks into lines where the print breaks it, and a text longer than the
// box shows below it, as it prints there: nothing is cut at the box's bottom.
#include "designer/InputBox.h"

class QLabel;

class LabelInputBox : public InputBox {
    Q_OBJECT
public:
    explicit LabelInputBox(QWidget* canvas);

    void LayOut() override;
    void ApplyRecord(const BoxRecord& record) override;
    QString Text() const { return text_; }
    void SetText(const QString& text);

protected:
    // The selection mark frames the label; a frame of its own would take width from
    // its lines.
    void ShowSelection(bool) override {}

private:
    void ShowLines();

    QLabel* label_;
    QString text_;
    double spacingShare_ = 0; // letter spacing as a share of the box width
};
