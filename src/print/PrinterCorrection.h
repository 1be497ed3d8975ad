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

// Continuous paper: from one form to the next, the form's length plus the feed correction.
double FormPitchMm(const PageParams& page, const PrinterProfile& profile);
// Longest strip of continuous forms printed as one page; a longer run takes several.
inline constexpr double kMaxStripMm = 5000;
// How many of `pagesToCome` forms go on the next page: one on cut sheets, on continuous
// paper as many as a strip holds.
int FormsOnStrip(const PageParams& page, const PrinterProfile& profile, int pagesToCome);

// The paper a format's page is printed on: on continuous paper a strip of `forms`
// forms, set as the paper, so the printer never feeds to a top of form of its own.
PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile, int forms = 1);

// Sets the painter, at the start of a page, to draw where the profile puts things:
// moved by its offsets (positive left and up) and scaled from the paper's corner;
// `downMm` is where the form begins on a strip of continuous forms.
void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile, double downMm = 0);
