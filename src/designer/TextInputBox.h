#pragma once
// Kind 0: a multi-line text box. Its border follows the data type; leaving it sends
// EditingFinished so the view can enter the typed text into the bill.
#include "designer/InputBox.h"

#include <optional>

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
    // The text the box held when it last got the focus; nullopt before it had it.
    const std::optional<QString>& ContentAtFocus() const { return atFocus_; }

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
    std::optional<QString> atFocus_;
};
