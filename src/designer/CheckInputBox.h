#pragma once
// Kind 1: a check box; its content is "1" when ticked and "" otherwise. It keeps
// its template size whatever the record says.
#include "designer/InputBox.h"

class QCheckBox;

class CheckInputBox : public InputBox {
    Q_OBJECT
public:
    explicit CheckInputBox(QWidget* canvas);

    QString Content() const override;
    void ShowContent(const QString& text) override;
    void ClearContent() override { ShowContent({}); }
    QCheckBox* Check() const { return check_; }

protected:
    void ShowSelection(bool selected) override;

private:
    QCheckBox* check_;
    bool showing_ = false;
};
