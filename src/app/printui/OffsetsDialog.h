#pragma once
// "输入打印页边距": how far the print must move, left ("向左移") and up ("向上移"),
// in millimetres. The fields show the shift itself; the format stores it plus 10.
#include <QDialog>

class QLineEdit;
struct PageParams;

class OffsetsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OffsetsDialog(const PageParams& page, QWidget* parent = nullptr);
    // Writes the entered shifts into the stored offsets; false when a field is not a number.
    bool Apply(PageParams& page) const;

private:
    QLineEdit* left_;
    QLineEdit* up_;
};

// Shows the dialog; true when the user confirmed and the offsets changed.
bool EditPrintOffsets(PageParams& page, QWidget* parent);
