#include "print/PrintJob.h"

#include "content/layout/DrawnGlyphs.h"
#include "core/LargeBlocks.h"
#include "print/PageSetup.h"
#include "print/PdfWriterOutput.h"
#include "print/PrinterCorrection.h"
#include "print/PrintSystem.h"
#include "print/PrintTexts.h"
#include "core/PublishStep.h"
#include "print/RulerGrid.h"
#include "core/Asker.h"
#include "store/Format.h"
#include "store/FormatStore.h"

#include <QPdfWriter>
#include <algorithm>

PrintJob::PrintJob(QPagedPaintDevice& printer, const PrintSystem& printers, Asker& asker)
    : device_(printer), printers_(&printers), asker_(asker) {
    KeepLargeBlocksForReuse();
}

PrintJob::PrintJob(PdfWriterOutput& pdf, Asker& asker)
    : device_(pdf.Writer()), pdf_(&pdf), asker_(asker) {
    KeepLargeBlocksForReuse();
}

PrintJob::~PrintJob() {
    if (painter_.isActive()) painter_.end();
    if (printers_) printers_->DiscardPdf(device_);
    TakeDrawnGlyphs(&device_);
}

QString PrintJob::Queue() const {
    return printers_ ? printers_->QueueOf(device_) : QString();
}

const PrinterProfile& PrintJob::Profile(const QString& formatName) {
    auto profile = profiles_.find(formatName);
    if (profile == profiles_.end())
        profile = profiles_.insert(formatName, ProfileForPrint(Queue(), formatName));
    return *profile;
}

bool PrintJob::StartPage(const PageParams& page, const QString& formatName) {
    const PrinterProfile& profile = Profile(formatName);
    const int expected = std::max(1, expectedPages_);
    expectedPages_ = std::max(0, expectedPages_ - 1);
    if (NextFormOnStrip(page, profile)) return true;
    // A strip needs paper of its length; on the queue's own paper each form is a page.
    const bool strip = profile.continuous && !paperRefused_;
    // The spooler prints every page of a job on one length of paper, and the next
    // strip's length differs by what this one leaves over: the strip printed so far
    // goes out as a job of its own, with its bills.
    if (strip && printers_ && painter_.isActive() && !preview_ && !SendStrip()) return false;
    double first = strip ? NextFormStart() : 0;
    int forms = strip ? FormsOnStrip(page, profile, expected, first) : 1;
    PageParams paper = PageOnPrinter(page, profile, forms, first);
    if (paperRefused_) paper.options.setPaper = false;
    // The page set-up applies from the next page on, so it comes first.
    if (ApplyPageSetup(device_, paper, asker_) != 0) {
        paperRefused_ = true;
        forms = 1;
        first = 0;
        stripLeftoverMm_.reset(); // the queue's paper: no strip, the paper's place unknown
    }
    if (!painter_.isActive()) {
        // A PDF file already put on its target is not written over by a second document.
        if (pdf_ && pdf_->Finished()) return false;
        BeginDrawnGlyphs(&device_);
        if (!painter_.begin(&device_)) return false;
    } else if (!device_.newPage()) {
        return false;
    }
    stripRoom_ = forms - 1;
    stripForm_ = 0;
    stripPitchMm_ = FormPitchMm(page, profile);
    stripFirstMm_ = first;
    if (strip && !paperRefused_) stripLeftoverMm_ = first + forms * FormAdvanceMm(page, profile) - paper.height;
    ApplyPrinterProfile(painter_, profile, first);
    return true;
}

bool PrintJob::NextFormOnStrip(const PageParams& page, const PrinterProfile& profile) {
    if (!profile.continuous || stripRoom_ <= 0 || FormPitchMm(page, profile) != stripPitchMm_
        || !painter_.isActive())
        return false;
    --stripRoom_;
    ApplyPrinterProfile(painter_, profile, stripFirstMm_ + ++stripForm_ * FormAdvanceMm(page, profile));
    return true;
}

bool PrintJob::SendStrip() {
    const bool sent = PublishToPrinter();
    if (sent) KeepPaperPlace();
    else stripNotSent_ = true;
    return sent;
}

void PrintJob::KeepPaperPlace() {
    if (stripLeftoverMm_ && !preview_) KeepFormStart(Queue(), *stripLeftoverMm_);
}

double PrintJob::NextFormStart() {
    // The first strip of the job starts where the last job left the paper, a later one
    // where the strip before it did.
    if (!stripLeftoverMm_) stripLeftoverMm_ = FormStartForPrint(Queue());
    return *stripLeftoverMm_;
}

bool PrintJob::PrintBill(const Format& format, const Bill& bill, const BillPrintRequest& request) {
    BillPageOptions options = request.page;
    // The format says whether its picture prints; the preview shows it always.
    options.background = options.background || format.page.options.printBackground;
    if (options.background && !options.backgroundPicture)
        options.backgroundPicture = &BackgroundPicture(format);
    const int copies = std::clamp(request.copies, 1, kMaxCopies);
    if (expectedPages_ <= 0) ExpectPages(copies);
    for (int copy = 0; copy < copies; ++copy) {
        if (!StartPage(format.page, format.name)) {
            asker_.Message(PrintText::kPrintError);
            return false;
        }
        PrintPage(painter_, format, bill, options);
        if (format.page.options.printRulers) PrintRulers(painter_);
        ++pages_;
    }
    if (request.endJob && !End()) {
        asker_.Message(PrintText::kPrintError);
        return false;
    }
    if (onBillPrinted) onBillPrinted(format, bill);
    return true;
}

QPainter* PrintJob::BeginSheet(const PageParams& page, const QString& formatName) {
    if (!StartPage(page, formatName)) {
        asker_.Message(PrintText::kPrintError);
        return nullptr;
    }
    ++pages_;
    return &painter_;
}

const QImage& PrintJob::BackgroundPicture(const Format& format) {
    auto picture = backgrounds_.find(format.name);
    if (picture == backgrounds_.end())
        picture = backgrounds_.insert(format.name, QImage(BackgroundPicturePath(format.name)));
    return *picture;
}

bool PrintJob::End() {
    if (!painter_.isActive()) return !stripNotSent_;
    return Publish() && !stripNotSent_;
}

bool PrintJob::Publish() {
    if (!pdf_ && !printers_->HasStagedPdf(device_)) {
        const bool published = PublishToPrinter();
        // The paper moved only when the spooler took the job.
        if (published) KeepPaperPlace();
        return published;
    }
    bool published = false;
    if (pdf_) {
        const bool ended = painter_.end();
        published = pdf_->Finish(ended, asker_, TakeDrawnGlyphs(&device_), publish_);
    } else {
        const bool ended = painter_.end() && !printers_->Failed(device_);
        published = printers_->FinishPdf(device_, ended, asker_, publish_);
    }
    if (published) pagesSent_ = pages_;
    return published;
}

bool PrintJob::PublishToPrinter() {
    // A printer's job reaches the spooler when the painter ends; there is no taking it
    // back after, so the records are made ready first and kept once it was accepted.
    QString reason;
    const bool prepared = !publish_ || publish_->Prepare(&reason);
    // A preview's pages never reach the spooler.
    const bool ended = painter_.end() && !printers_->Failed(device_)
                       && (preview_ || !printers_->SpoolerRefused(device_));
    const bool published = printers_->FinishPdf(device_, ended, asker_, nullptr);
    if (published) pagesSent_ = pages_;
    if (!publish_) return published;
    if (!prepared) {
        asker_.Message(PrintText::SentWithoutRecords(reason));
        return published;
    }
    if (!published) publish_->Rollback();
    else if (!publish_->Commit()) asker_.Message(PrintText::kPublishedWithoutRecords);
    return published;
}
