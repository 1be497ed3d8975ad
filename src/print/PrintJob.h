#pragma once
// A print job on one printer: bills are printed page by page (every copy on its own
// page) until the job ends. A batch keeps the job open across bills.
#include "print/BillPage.h"
#include "store/PrinterProfileStore.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <functional>
#include <optional>

class Asker;
class PdfWriterOutput;
class PrintSystem;
class PublishStep;
class QPagedPaintDevice;
class QPrinter;
struct PageParams;

// As many copies as a copies field takes.
inline constexpr int kMaxCopies = 999;

struct BillPrintRequest {
    int copies = 1;       // 1..kMaxCopies; values outside are pulled in
    bool endJob = true;   // end the document after this bill
    BillPageOptions page; // `background`: also when the format does not print it
};

class PrintJob {
public:
    PrintJob(QPrinter& printer, Asker& asker);
    // A job on a printer of the print system `printers` (PrintSystem.h).
    PrintJob(QPagedPaintDevice& printer, const PrintSystem& printers, Asker& asker);
    // A job that writes a PDF file straight, without the print system.
    PrintJob(PdfWriterOutput& pdf, Asker& asker);
    ~PrintJob(); // ends an open document
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // PrintBill: the copies of the bill, each set up for the format's page, with the
    // ruler grid when the format asks for it. Called after each bill is printed:
    // the after-print steps (history, clearing, the next page of a bill).
    std::function<void(const Format&, const Bill&)> onBillPrinted;
    bool PrintBill(const Format& format, const Bill& bill, const BillPrintRequest& request);

    // Starts the next page set up for `page` and hands out its painter, addressed in
    // twips from the paper's corner (a label sheet draws its own cells); nullptr after
    // telling the user when the page cannot be started. The printer profile of
    // `formatName` (else the queue's) applies to it as to a bill's page.
    QPainter* BeginSheet(const PageParams& page, const QString& formatName = QString());

    // The background picture of `format`, decoded on its first use in this job; every
    // page draws this same image, so a PDF holds it once however many pages show it.
    const QImage& BackgroundPicture(const Format& format);

    // What is kept together with the job's output (PublishStep.h), when it is ended.
    void PublishWith(PublishStep* step) { publish_ = step; }
    // Ends the document and publishes it: a PDF file replaces its target, a printer's
    // job goes to the spooler; false when that fails.
    bool End();
    int PagesPrinted() const { return pages_; }
    // The pages that went out: all of them once the job ended well; of a job sent in
    // strips that stopped part way, those of the strips the spooler took.
    int PagesSent() const { return pagesSent_; }

    // The job draws into the print preview: its pages stay in one document, and the
    // paper in the printer does not move, so no place of continuous paper is kept.
    void ForPreview() { preview_ = true; }

    // The print queue the job goes to; empty for a PDF file.
    QString Queue() const;
    // How many pages the job is still to start (a batch's bills times copies). On
    // continuous paper they go onto strips of forms, each as long as the printer takes,
    // so no form feed falls between two bills of a strip.
    void ExpectPages(int count) { expectedPages_ = count; }

private:
    // Every page starts here: the page set-up and the printer profile of the queue.
    bool StartPage(const PageParams& page, const QString& formatName);
    const PrinterProfile& Profile(const QString& formatName);
    // Continuous paper: draws the next form further down the strip being printed;
    // false when it needs a strip of its own.
    bool NextFormOnStrip(const PageParams& page, const PrinterProfile& profile);
    // Where the next strip's first form begins below the top of its page.
    double NextFormStart();
    // Sends the strip printed so far as a spooler job of its own; false when it did not
    // go out (the rest of the job is not printed then).
    bool SendStrip();
    // Keeps where the last strip sent left the paper, for the next job on the queue.
    void KeepPaperPlace();
    // Ends the document on a printer, with the records kept when the spooler took it.
    bool PublishToPrinter();
    // Ends the document on whatever it is drawn to; true when its pages went out.
    bool Publish();

    QPagedPaintDevice& device_;
    const PrintSystem* printers_ = nullptr; // a printer's job, or
    PdfWriterOutput* pdf_ = nullptr;
    Asker& asker_;
    QPainter painter_;
    PublishStep* publish_ = nullptr;
    int pages_ = 0;
    int pagesSent_ = 0;
    QHash<QString, QImage> backgrounds_;
    QHash<QString, PrinterProfile> profiles_;
    bool paperRefused_ = false; // told once; later pages keep the queue's paper
    int expectedPages_ = 0;
    // The strip of continuous forms being printed: forms left on it, the form the
    // page is on, the form's length with the feed correction and where its first form
    // begins below the page's top (in mm of paper).
    int stripRoom_ = 0;
    int stripForm_ = 0;
    double stripPitchMm_ = 0;
    double stripFirstMm_ = 0;
    // What the last strip leaves between its end (whole feed lines) and the next form's
    // top edge: kept for the next job once this one went out; none before a strip.
    std::optional<double> stripLeftoverMm_;
    bool stripNotSent_ = false;
    bool preview_ = false;
};
