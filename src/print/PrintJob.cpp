#include "print/PrintJob.h"

#include "core/LargeBlocks.h"
#include "print/PageSetup.h"
#include "print/PdfOutput.h"
#include "print/PrintTexts.h"
#include "core/PublishStep.h"
#include "print/RulerGrid.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QPrinter>
#include <algorithm>

PrintJob::PrintJob(QPrinter& printer, Asker& asker) : printer_(printer), asker_(asker) {
    KeepLargeBlocksForReuse();
}

PrintJob::~PrintJob() {
    if (painter_.isActive()) painter_.end();
    DiscardPdfOutput(printer_);
}

bool PrintJob::StartPage(const PageParams& page) {
    // The page set-up applies from the next page on, so it comes first.
    ApplyPageSetup(printer_, page, asker_);
    if (!painter_.isActive()) return painter_.begin(&printer_);
    return printer_.newPage();
}

bool PrintJob::PrintBill(const Format& format, const Bill& bill, const BillPrintRequest& request) {
    BillPageOptions options = request.page;
    options.background = format.page.options.printBackground;
    const int copies = std::clamp(request.copies, 1, kMaxCopies);
    for (int copy = 0; copy < copies; ++copy) {
        if (!StartPage(format.page)) {
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

QPainter* PrintJob::BeginSheet(const PageParams& page) {
    if (!StartPage(page)) {
        asker_.Message(PrintText::kPrintError);
        return nullptr;
    }
    ++pages_;
    return &painter_;
}

bool PrintJob::End() {
    if (!painter_.isActive()) return true;
    if (HasStagedPdf(printer_)) {
        const bool ended = painter_.end() && printer_.printerState() != QPrinter::Error;
        return FinishPdfOutput(printer_, ended, asker_, publish_);
    }
    // A printer's job reaches the spooler when the painter ends; there is no taking it
    // back after, so the records are made ready first and kept once it was accepted.
    QString reason;
    const bool prepared = !publish_ || publish_->Prepare(&reason);
    const bool ended = painter_.end() && printer_.printerState() != QPrinter::Error;
    const bool published = FinishPdfOutput(printer_, ended, asker_);
    if (!publish_) return published;
    if (!prepared) {
        asker_.Message(PrintText::SentWithoutRecords(reason));
        return published;
    }
    if (!published) publish_->Rollback();
    else if (!publish_->Commit()) asker_.Message(PrintText::kPublishedWithoutRecords);
    return published;
}
