#pragma once
// Where a seat's printer profile (store/PrinterProfileStore.h) meets the page: every
// page a print job starts, whatever it holds (a bill, a label sheet, a calibration
// sheet), is drawn through the profile of the queue it goes to.
#include "store/PrinterProfileStore.h"

class Database;
class QPainter;
struct PageParams;

// The store whose profiles this process's print jobs use, while the object lives (the
// window's session and a command each keep one).
class PrinterProfileSource {
public:
    explicit PrinterProfileSource(Database& db);
    ~PrinterProfileSource();
    PrinterProfileSource(const PrinterProfileSource&) = delete;
    PrinterProfileSource& operator=(const PrinterProfileSource&) = delete;

private:
    Database* previous_;
};

// The profile of this seat for `queue` and `formatName`; no correction without a queue
// (a PDF file) or a source.
PrinterProfile ProfileForPrint(const QString& queue, const QString& formatName);

// The page a format's page is printed on: on continuous paper, the form's length plus the
// feed correction, set as the paper so that no form feed skips a form.
PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile);

// Sets the painter, at the start of a page, to draw where the profile puts things:
// moved by its offsets (positive left and up) and scaled from the paper's corner.
void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile);
