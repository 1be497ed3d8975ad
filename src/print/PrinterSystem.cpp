#include "print/PrinterSystem.h"

#include "print/PrintJob.h"
#include "print/PrintSystem.h"
#include "print/PrinterChoice.h"
#include "print/PrinterPdfOutput.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

const QPrinter* PrinterOf(const QPagedPaintDevice& device) { return dynamic_cast<const QPrinter*>(&device); }
QPrinter* PrinterOf(QPagedPaintDevice& device) { return dynamic_cast<QPrinter*>(&device); }

class QtPrinters final : public PrintSystem {
public:
    QString QueueOf(const QPagedPaintDevice& device) const override {
        const QPrinter* printer = PrinterOf(device);
        return printer && printer->outputFormat() == QPrinter::NativeFormat ? printer->printerName() : QString();
    }

    std::optional<QueuePapers> PapersOf(const QPagedPaintDevice& device) const override {
        const QString queue = QueueOf(device);
        if (queue.isEmpty()) return std::nullopt;
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
        if (info.isNull()) return std::nullopt;
        return QueuePapers{info.printerName(), info.supportedPageSizes(), info.supportsCustomPageSizes()};
    }

    bool UseWholePaper(QPagedPaintDevice& device) const override {
        QPrinter* printer = PrinterOf(device);
        if (printer) printer->setFullPage(true);
        return printer;
    }

    bool Failed(const QPagedPaintDevice& printer) const override {
        const QPrinter* qprinter = PrinterOf(printer);
        return !qprinter || qprinter->printerState() == QPrinter::Error;
    }

    bool SpoolerRefused(const QPagedPaintDevice& printer) const override {
        // A queue's printer hands its ended job to the spooler without telling whether
        // the spooler took it: the spooler's answer to that last request of this
        // thread tells.
        return !QueueOf(printer).isEmpty() && cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE;
    }

    bool HasStagedPdf(const QPagedPaintDevice& printer) const override {
        const QPrinter* qprinter = PrinterOf(printer);
        return qprinter && ::HasStagedPdf(*qprinter);
    }

    bool FinishPdf(QPagedPaintDevice& printer, bool ended, Asker& asker, PublishStep* step) const override {
        QPrinter* qprinter = PrinterOf(printer);
        return qprinter ? FinishPdfOutput(*qprinter, ended, asker, step) : ended;
    }

    void DiscardPdf(QPagedPaintDevice& printer) const override {
        if (QPrinter* qprinter = PrinterOf(printer)) DiscardPdfOutput(*qprinter);
    }

    std::unique_ptr<QPagedPaintDevice> PrinterOn(const QString& queue) const override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!UsePrinter(*printer, queue)) return nullptr;
        return printer;
    }
};

} // namespace

const PrintSystem& QtPrintSystem() {
    static const QtPrinters printers;
    return printers;
}

// Whoever prints on a printer has Qt's printers in the process: the page set-up and
// the margin checks find them from now on.
PrintJob::PrintJob(QPrinter& printer, Asker& asker) : PrintJob(printer, QtPrintSystem(), asker) {
    RegisterPrintSystem(&QtPrintSystem());
}
