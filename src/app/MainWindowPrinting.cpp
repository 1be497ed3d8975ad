// The main window's printing commands: the current bill, its preview, the calibration
// page, the print offsets and the bill saved as a picture.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/PrintOptions.h"
#include "app/Session.h"
#include "app/WindowPlacement.h"
#include "app/printui/BillPrinter.h"
#include "app/printui/OffsetsDialog.h"
#include "content/layout/PrinterFont.h"
#include "designer/DesignerView.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"
#include "picture/OutputPicture.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

void MainWindow::ConnectPrinting() {
    printer_ = std::make_unique<BillPrinter>(this, asker_);
    printer_->afterPrint = [this](const Format& format, const Bill& bill) {
        KeepBill(format, bill);
        AfterPrint(format.name, format.page.options.autoJump, format.page.options.clearAfterPrint);
    };
    printer_->formatName = [this] { return session_.CurrentFormat().name; };
    printer_->onPaperSet = [this](const PageParams& page) {
        session_.Document().SetPage(page);
        ShowFormat();
    };
    ConnectBatchPrinting();
    auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("mPrint", [this] { PrintCurrentBill(); });
    on("mPrintPreview", [this] { PreviewCurrentBill(); });
    connect(offsetsButton_, &QPushButton::clicked, this, [this] { EditOffsets(); });
    connect(calibrationButton_, &QPushButton::clicked, this, [this] { PrintCalibration(); });
    // The bill page's popup menu saves the page as a picture.
    QAction* picture = designer_->CanvasMenu()->addAction(AppText::kOutputPicture);
    picture->setObjectName(QStringLiteral("mOutputPic"));
    connect(picture, &QAction::triggered, this, [this] { OutputPicture(); });
}

void MainWindow::CommitTyping() {
    if (QWidget* focused = QApplication::focusWidget(); focused && designer_->isAncestorOf(focused))
        focused->clearFocus();
}

BillPageOptions PageOptionsFor(const Session& session, const QWidget* window) {
    BillPageOptions options;
    options.canvasWidthTwips = FitWidthCanvasTwips(ScreenWidthTwips(window));
    options.roundingMethod = session.RoundingMethod();
    options.background = session.CurrentFormat().page.options.printBackground;
    return options;
}

bool MainWindow::SaveNewBoxesFirst() {
    const QList<BoxRecord>& boxes = session_.CurrentFormat().boxes;
    if (std::none_of(boxes.begin(), boxes.end(), [](const BoxRecord& box) { return IsTemporaryId(box.id); }))
        return true;
    // A temporary ID is no box of the stored format: a bill kept under it would lose
    // that box's value.
    if (!SaveFormat()) return false;
    statusBar()->showMessage(AppText::kNewBoxesSavedFirst.arg(session_.CurrentFormat().name),
                             kStatusMessageMs);
    return true;
}

bool MainWindow::PrintCurrentBill() {
    if (!session_.HasFormat()) return false;
    CommitTyping();
    if (!SaveNewBoxesFirst()) return false;
    return printer_->PrintCurrentBill(session_.CurrentFormat(), session_.CurrentBill(),
                                      PageOptionsFor(session_, this));
}

void MainWindow::PreviewCurrentBill() {
    if (!session_.HasFormat()) return;
    CommitTyping();
    printer_->Preview(session_.CurrentFormat(), session_.CurrentBill(), PageOptionsFor(session_, this));
}

void MainWindow::PrintCalibration() {
    if (session_.HasFormat()) printer_->PrintCalibration();
}

void MainWindow::EditOffsets() {
    PageParams page = session_.CurrentFormat().page;
    const Format& format = session_.CurrentFormat();
    const ProfilePlace place{&session_.Db(), printer_->QueueName(), format.name, &format,
                             [this, &format](int bills) { return printer_->PrintCalibrationSheet(format, bills); }};
    if (!session_.HasFormat() || !EditPrintOffsets(page, this, place)) return;
    session_.Document().SetPage(page);
    // A measured calibration is worth keeping at once, not only with the next save.
    session_.Formats().SavePageParams(session_.CurrentFormat().name, page, ScreenWidthTwips(this));
    ShowFormat();
}

bool MainWindow::OutputPicture() {
    if (!session_.HasFormat()) return false;
    CommitTyping();
    return ::OutputPicture(designer_->Canvas()->grab().toImage(), asker_);
}
