#include "app/printui/BillPrinter.h"

#include "app/printui/PrintUiTexts.h"
#include "app/printui/SelectPrinterDialog.h"
#include "print/CalibrationPage.h"
#include "print/CalibrationSheet.h"
#include "store/Format.h"
#include "print/PrintJob.h"
#include "print/PrintableArea.h"
#include "print/PrintTexts.h"
#include "print/PrinterChoice.h"
#include "core/Asker.h"

#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

namespace {

// "格式名-日期.pdf": a day's prints of one format are told apart from the others at a glance.
QString SuggestedPdfName(const QString& formatName) {
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QString name = formatName;
    name.replace(u'/', u'-'); // a name, not a path
    return (name.isEmpty() ? date : name + u'-' + date) + QStringLiteral(".pdf");
}

} // namespace

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
        const QString path = asker_.ChooseSaveFile(PrintUiText::kPdfCaption, PrintUiText::kPdfFilter,
                                                   SuggestedPdfName(formatName ? formatName() : QString()));
        if (path.isEmpty()) return 0;
        UsePdfFile(*printer_, path);
    } else if (!UsePrinter(*printer_, selection.printer)) {
        asker_.Message(PrintText::kNoPrinter);
        return 0;
    }
    return selection.copies;
}

bool BillPrinter::PrintCalibrationSheet(const Format& format, int bills) {
    PrintJob job(*printer_, asker_);
    return ::PrintCalibrationSheet(job, format, bills);
}

void BillPrinter::WarnOfHardwareMargins(const Format& format) {
    if (const QString warning = HardwareMarginWarning(*printer_, format); !warning.isEmpty()) asker_.Message(warning);
}

void BillPrinter::WarnOfHardwareMargins(const Format& format, const LabelSheetSpec& spec) {
    const QString warning = LabelSheetMarginWarning(*printer_, format, spec);
    if (!warning.isEmpty()) asker_.Message(warning);
}

// The question comes first: a user who does not want the page is not asked for a
// printer or a file.
bool BillPrinter::PrintCalibration() {
    if (!AskForCalibrationPage(asker_) || ChoosePrinter() == 0) return false;
    return DrawCalibrationPage(*printer_, asker_);
}

namespace {

// The preview opens over most of the window (or the screen without one), the page
// fitted to its width, so the bill reads at about the size it has on paper.
void OpenLarge(QPrintPreviewDialog& dialog, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    QRect area = parent ? parent->window()->frameGeometry() : QRect();
    if (screen && area.width() < screen->availableGeometry().width() / 2)
        area = screen->availableGeometry();
    const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
    dialog.setGeometry(QRect(QPoint(), size).translated(area.center() - QRect(QPoint(), size).center()));
    // The dialog's own "fit width" button, so its tool bar shows the choice.
    if (auto* fitWidth = dialog.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    else if (auto* pages = dialog.findChild<QPrintPreviewWidget*>())
        pages->fitToWidth();
}

} // namespace

void BillPrinter::Preview(const Format& format, const Bill& bill, const BillPageOptions& options) {
    QPrintPreviewDialog dialog(printer_.get(), parent_);
    OpenLarge(dialog, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* printer) {
        PrintJob job(*printer, asker_);
        job.ForPreview();
        BillPrintRequest request;
        request.page = PreviewOptions(options);
        job.PrintBill(format, bill, request);
    });
    dialog.exec();
}

QString BillPrinter::QueueName() const {
    return printer_->outputFormat() == QPrinter::NativeFormat ? printer_->printerName() : QString();
}
