#pragma once
// The page-size dialog `FormSize`: width `TX` and height `TY` in millimetres.
#include <QDialog>
#include <QSizeF>
#include <optional>

class Asker;
class QLineEdit;

class FormSizeDialog : public QDialog {
    Q_OBJECT
public:
    FormSizeDialog(Asker& asker, QSizeF currentMm, QWidget* parent = nullptr);
    // Set when the dialog closed with a valid size that differs from the current one.
    std::optional<QSizeF> NewSize() const { return newSize_; }

private:
    void Accept();

    Asker& asker_;
    QSizeF current_;
    QLineEdit* width_;
    QLineEdit* height_;
    std::optional<QSizeF> newSize_;
};

// Shows the dialog; the new page size, or nullopt when cancelled or unchanged.
std::optional<QSizeF> AskPageSize(Asker& asker, QSizeF currentMm, QWidget* parent = nullptr);
