#pragma once
// SelPrinter, "选择打印机": the installed printers plus a PDF file, and the number
// of copies ("打印份数："). The text starts at the current printer, else the
// remembered one when installed, else the first in the list.
#include <QDialog>

class QComboBox;
class QLineEdit;

struct PrinterSelection {
    QString printer;      // device name; empty with `pdf`
    bool pdf = false;     // print into a PDF file
    int copies = 1;
};

class SelectPrinterDialog : public QDialog {
    Q_OBJECT
public:
    SelectPrinterDialog(const QString& currentPrinter, QWidget* parent = nullptr);
    PrinterSelection Selection() const;

private:
    QComboBox* printers_;
    QLineEdit* copies_;
};

// A copies field: a value above 1 is taken, anything else gives 1.
int CopiesFromText(const QString& text);
