#pragma once
// The window's printer: chosen for each print ("打印当前单据" and the batches print
// on it through their jobs), the calibration page, and the print preview.
#include "print/BillPage.h"

#include <QString>
#include <functional>
#include <memory>

class Asker;
class QPrinter;
class QWidget;
struct LabelSheetSpec;

class BillPrinter {
public:
    BillPrinter(QWidget* parent, Asker& asker);
    ~BillPrinter();
    BillPrinter(const BillPrinter&) = delete;
    BillPrinter& operator=(const BillPrinter&) = delete;

    // The open format's name: the PDF file chooser suggests "格式名-日期.pdf".
    std::function<QString()> formatName;

    // Asks whether to print the calibration page, then for the printer, then prints it.
    bool PrintCalibration();
    // The bill as it will print, in a preview window.
    void Preview(const Format& format, const Bill& bill, const BillPageOptions& options);

    QPrinter& Printer() { return *printer_; }
    // The calibration sheet of `format`, a run of `bills` forms on the printer chosen.
    bool PrintCalibrationSheet(const Format& format, int bills);
    // Tells the user which boxes of `format` the chosen printer cannot reach.
    void WarnOfHardwareMargins(const Format& format);
    // The same for the labels of a label sheet.
    void WarnOfHardwareMargins(const Format& format, const LabelSheetSpec& spec);
    // The print queue chosen (the system's default before any choice); empty while the
    // output is a PDF file.
    QString QueueName() const;
    // The chooser dialog; the copies, or 0 when cancelled, when no printer can be used
    // or while the chooser is already open. A batch chooses once for all its bills.
    int ChoosePrinter();

private:
    QWidget* parent_;
    Asker& asker_;
    std::unique_ptr<QPrinter> printer_;
    bool choosing_ = false;
};
