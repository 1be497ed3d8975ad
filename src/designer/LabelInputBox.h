#pragma once
// Kind 4: a fixed label showing its record's caption; it has no content of its own.
#include "designer/InputBox.h"

class QLabel;

class LabelInputBox : public InputBox {
    Q_OBJECT
public:
    explicit LabelInputBox(QWidget* canvas);

    void ApplyRecord(const BoxRecord& record) override;
    QString Text() const;
    void SetText(const QString& text);

protected:
    void ShowSelection(bool selected) override;

private:
    QLabel* label_;
};
