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

// Where the next job on `queue` begins its first form below the printer's starting
// point (store/PaperPosition.h); 0 without a queue or a source.
double FormStartForPrint(const QString& queue);
// Keeps where the paper stands once a job of continuous forms went to the printer.
bool KeepFormStart(const QString& queue, double mm);

// Continuous paper: from one form to the next, the form's length plus the feed correction.
double FormPitchMm(const PageParams& page, const PrinterProfile& profile);
// How far the paper moves from one form to the next as printed: the pitch through the
// profile's vertical scale.
double FormAdvanceMm(const PageParams& page, const PrinterProfile& profile);
// A tractor printer's driver sets its page length in whole lines of 1/6 inch and feeds
// that much at the end of the page, whatever the page's own length.
inline constexpr double kFeedLineMm = 25.4 / 6;
// Longest strip of continuous forms printed as one page; a longer run takes several.
// The printer takes a page length of at most 127 lines (21 1/6 in): a longer one, sent
// in the driver's one byte, would set some other length and the feed at the end of the
// page would leave the paper anywhere.
inline constexpr int kMaxStripLines = 127;
inline constexpr double kMaxStripMm = kMaxStripLines * kFeedLineMm;
// The length of a strip whose forms end `formsEndMm` down: whole feed lines, rounded
// down so the paper stops short of the next form's top edge (never past it), at least
// one line. What is left over is where the next strip's first form begins.
double StripLengthMm(double formsEndMm);
// How many of `pagesToCome` forms go on the next page: one on cut sheets, on continuous
// paper as many as a strip holds when its first form begins `firstFormMm` down the paper.
int FormsOnStrip(const PageParams& page, const PrinterProfile& profile, int pagesToCome, double firstFormMm = 0);

// The paper a format's page is printed on: on continuous paper a strip of `forms`
// forms, the first `firstFormMm` down the paper, set as the paper, so the printer never feeds to a top
// of form of its own.
PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile, int forms = 1, double firstFormMm = 0);

// Sets the painter, at the start of a page, to draw where the profile puts things:
// moved by its offsets (positive left and up) and scaled from the paper's corner;
// `downMm` is where the form begins down a strip of continuous forms, in mm of paper.
void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile, double downMm = 0);
