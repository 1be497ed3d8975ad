#pragma once
// The window's printer: chosen for each print ("打印当前单据" and the batches print
// on it through their jobs), the calibration page, and the print preview.
#include "print/BillPage.h"

#include <memory>

class Asker;
class QPrinter;
class QWidget;

class BillPrinter {
public:
    BillPrinter(QWidget* parent, Asker& asker);
    ~BillPrinter();
    BillPrinter(const BillPrinter&) = delete;
    BillPrinter& operator=(const BillPrinter&) = delete;

    // Asks whether to print the calibration page, then for the printer, then prints it.
    bool PrintCalibration();
    // The bill as it will print, in a preview window.
    void Preview(const Format& format, const Bill& bill, const BillPageOptions& options);

    QPrinter& Printer() { return *printer_; }
    // The chooser dialog; the copies, or 0 when cancelled, when no printer can be used
    // or while the chooser is already open. A batch chooses once for all its bills.
    int ChoosePrinter();

private:
    QWidget* parent_;
    Asker& asker_;
    std::unique_ptr<QPrinter> printer_;
    bool choosing_ = false;
};
