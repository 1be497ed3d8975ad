#pragma once
// Kind 0: a multi-line text box. Its border follows the data type; leaving it sends
// EditingFinished so the view can convert the text by its type.
#include "designer/InputBox.h"

class DesignOutline;
class QPlainTextEdit;

class TextInputBox : public InputBox {
    Q_OBJECT
public:
    explicit TextInputBox(QWidget* canvas);

    void ApplyRecord(const BoxRecord& record) override;
    QString Content() const override;
    void ShowContent(const QString& text) override;
    void ClearContent() override { ShowContent({}); }
    QPlainTextEdit* Editor() const { return editor_; }
    // A background marking the box as tied to the focused one; an invalid colour
    // for none. The selection's look comes first.
    void SetTint(const QColor& tint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ShowSelection(bool selected) override;

private:
    void UpdateLook();

    QPlainTextEdit* editor_;
    DesignOutline* outline_;
    QColor textColor_;
    QColor tint_;
    bool bordered_ = false;
    bool showing_ = false; // set while the program, not the user, puts text in
};
