#pragma once
// The window's printing commands on the current printer: print the current bill
// ("打印当前单据"), the calibration page, and the print preview. The printer chosen
// once stays current for the next command.
#include "print/BillPage.h"

#include <QString>
#include <functional>
#include <memory>

class Asker;
class QPrinter;
class QWidget;
struct PageParams;

class BillPrinter {
public:
    BillPrinter(QWidget* parent, Asker& asker);
    ~BillPrinter();
    BillPrinter(const BillPrinter&) = delete;
    BillPrinter& operator=(const BillPrinter&) = delete;

    // Called after each printed bill: history, then the next page of a multi-page
    // bill or clearing the boxes.
    std::function<void(const Format&, const Bill&)> afterPrint;
    // The open format's name: the PDF file chooser suggests "格式名-日期.pdf".
    std::function<QString()> formatName;
    // Called when the user lets the format set the paper to its size before printing.
    std::function<void(const PageParams&)> onPaperSet;

    // Asks for the printer and copies, then prints. False when cancelled or failed.
    // Does nothing (false) while the chooser is already open.
    bool PrintCurrentBill(const Format& format, const Bill& bill, const BillPageOptions& options);
    // Asks whether to print the calibration page, then chooses the printer and prints it.
    bool PrintCalibration();
    // The bill as it will print, in a preview window.
    void Preview(const Format& format, const Bill& bill, const BillPageOptions& options);

    QPrinter& Printer() { return *printer_; }
    // The calibration sheet of `format`, a run of `bills` forms on the printer chosen.
    bool PrintCalibrationSheet(const Format& format, int bills);
    // Tells the user which boxes of `format` the chosen printer cannot reach.
    void WarnOfHardwareMargins(const Format& format);
    // The print queue chosen (the system's default before any choice); empty while the
    // output is a PDF file.
    QString QueueName() const;
    // The chooser dialog; the copies, or 0 when cancelled or no printer can be used.
    // A batch chooses once and keeps the printer for all its bills.
    int ChoosePrinter();

private:
    QWidget* parent_;
    Asker& asker_;
    std::unique_ptr<QPrinter> printer_;
    bool choosing_ = false;
};
