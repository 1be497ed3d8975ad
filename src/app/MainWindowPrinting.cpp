// The main window's printing commands: the current bill, its preview, the calibration
// page, the print offsets and the bill as a picture.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/PageCaptionRow.h"
#include "app/Session.h"
#include "app/printui/BillPrinter.h"
#include "app/printui/OffsetsDialog.h"
#include "designer/DesignerView.h"
#include "designer/PageCanvas.h"
#include "document/FormatController.h"
#include "document/FormatDocument.h"
#include "picture/OutputPicture.h"
#include "print/PaperCheck.h"
#include "print/PrintJob.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

void MainWindow::ConnectPrinting() {
    printer_ = std::make_unique<BillPrinter>(this, asker_);
    printer_->formatName = [this] { return session_.CurrentFormat().name; };
    ConnectBatchPrinting();
    auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("mPrint", [this] { PrintCurrentBill(); });
    on("mPrintPreview", [this] { PreviewCurrentBill(); });
    connect(captions_->OffsetsButton(), &QPushButton::clicked, this, [this] { EditOffsets(); });
    connect(captions_->CalibrationButton(), &QPushButton::clicked, this, [this] { PrintCalibration(); });
    // The bill page's popup menu saves the page as a picture.
    QAction* picture = designer_->CanvasMenu()->addAction(AppText::kOutputPicture);
    picture->setObjectName(QStringLiteral("mOutputPic"));
    connect(picture, &QAction::triggered, this, [this] { OutputPicture(); });
}

void MainWindow::CommitTyping() {
    if (QWidget* focused = QApplication::focusWidget(); focused && designer_->isAncestorOf(focused))
        focused->clearFocus();
}

bool MainWindow::PrintCurrentBill() { return PrintOnChosenPrinter().printed; }

PrintedBill MainWindow::PrintOnChosenPrinter() {
    if (!session_.HasFormat()) return {};
    const NoteGathering notes(*this);
    CommitTyping();
    // A store that cannot keep the bill refuses it before a printer is chosen.
    if (!controller_->ReadyToKeepBills()) return {};
    // New boxes are saved before the printer is chosen, so the chooser's wait holds
    // nothing back and a failed save prints nothing.
    if (!controller_->SaveNewBoxesFirst()) return {};
    const int copies = printer_->ChoosePrinter();
    if (copies == 0) return {};
    // "是" to the paper question is the format's setting from now on.
    PageParams page = session_.CurrentFormat().page;
    if (OfferToSetPaper(printer_->Printer(), page, asker_)) controller_->KeepOptions(page.options);
    printer_->WarnOfHardwareMargins(session_.CurrentFormat());
    PrintJob job(printer_->Printer(), asker_);
    const PrintedBill printed = controller_->PrintCurrentBill(job, copies);
    if (printed.kept) controller_->AfterPrint();
    return printed;
}

void MainWindow::PreviewCurrentBill() {
    if (!session_.HasFormat()) return;
    CommitTyping();
    printer_->Preview(session_.CurrentFormat(), session_.CurrentBill(), controller_->PrintOptions());
}

void MainWindow::PrintCalibration() {
    if (session_.HasFormat()) printer_->PrintCalibration();
}

void MainWindow::EditOffsets() {
    PageParams page = session_.CurrentFormat().page;
    const Format& format = session_.CurrentFormat();
    const ProfilePlace place{&session_.Db(), printer_->QueueName(), format.name, &format,
                             [this, &format](int bills) { return printer_->PrintCalibrationSheet(format, bills); }};
    // A measured calibration is worth keeping at once, not only with the next save.
    if (session_.HasFormat() && EditPrintOffsets(page, this, place))
        controller_->KeepOffsets(page.offsetX, page.offsetY);
}

bool MainWindow::OutputPicture() {
    if (!session_.HasFormat()) return false;
    CommitTyping();
    return ::OutputPicture(designer_->Canvas()->grab().toImage(), asker_);
}
