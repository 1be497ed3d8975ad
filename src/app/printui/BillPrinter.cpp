#include "app/printui/BillPrinter.h"

#include "app/printui/PrintUiTexts.h"
#include "app/printui/SelectPrinterDialog.h"
#include "print/CalibrationPage.h"
#include "store/Format.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/PrinterChoice.h"
#include "core/Asker.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

BillPrinter::BillPrinter(QWidget* parent, Asker& asker)
    : parent_(parent), asker_(asker), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

BillPrinter::~BillPrinter() = default;

int BillPrinter::ChoosePrinter() {
    if (choosing_) return 0;
    choosing_ = true;
    SelectPrinterDialog dialog(printer_->outputFormat() == QPrinter::NativeFormat
                                   ? printer_->printerName()
                                   : QString(),
                               parent_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    choosing_ = false;
    if (!accepted) return 0;
    const PrinterSelection selection = dialog.Selection();
    if (selection.pdf) {
        const QString path = asker_.ChooseSaveFile(PrintUiText::kPdfCaption, PrintUiText::kPdfFilter);
        if (path.isEmpty()) return 0;
        UsePdfFile(*printer_, path);
    } else if (!UsePrinter(*printer_, selection.printer)) {
        asker_.Message(PrintText::kNoPrinter);
        return 0;
    }
    return selection.copies;
}

bool BillPrinter::PrintCalibration() {
    // Asked before the printer and the file: a "no" after choosing them would waste both.
    if (!asker_.AskYesNo(PrintText::kCalibrationQuestion) || ChoosePrinter() == 0) return false;
    return DrawCalibrationPage(*printer_, asker_);
}

void BillPrinter::Preview(const Format& format, const Bill& bill, const BillPageOptions& options) {
    QPrintPreviewDialog dialog(printer_.get(), parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* printer) {
        PrintJob job(*printer, asker_);
        BillPrintRequest request;
        request.page = PreviewOptions(options);
        job.PrintBill(format, bill, request);
    });
    dialog.exec();
}
