// The main window's records: the bill kept in history by the bill menu, and the
// history tab.
#include "app/MainWindow.h"

#include "app/HistoryView.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "core/Asker.h"
#include "designer/DesignerView.h"
#include "document/FormatController.h"
#include "records/HistoryModel.h"
#include "records/HistoryQueries.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

HistoryView* MainWindow::BuildHistory() {
    history_ = new HistoryView(session_.Db(), session_.Params(), asker_, *progress_, this);
    return history_;
}

void MainWindow::ConnectHistory() {
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("MSFTabs"));
    const auto showWhenVisible = [this] {
        history_->SetFormat(session_.CurrentFormat().name);
        if (history_->isVisible()) history_->ShowHistory(HistoryModel::kFirstLimit);
    };
    connect(tabs, &QTabWidget::currentChanged, this, showWhenVisible);
    connect(this, &MainWindow::FormatOpened, this, showWhenVisible);
    connect(controller_, &FormatController::BillsKept, history_, &HistoryView::Refresh);
    connect(history_, &HistoryView::BillChosen, this, &MainWindow::LoadStoredBill);

    // The bill menu on the page holds the two commands, waiting to be connected.
    const auto connectBillCommand = [this](const char* name, auto handler) {
        QAction* action = designer_->CanvasMenu()->findChild<QAction*>(QString::fromLatin1(name));
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
    };
    connectBillCommand("mAddBills", [this] { AddBill(false); });
    connectBillCommand("mAddBillsAndPrint", [this] { AddBill(true); });
}

bool MainWindow::AddBill(bool print) {
    if (!session_.HasFormat()) return false;
    const NoteGathering notes(*this);
    CommitTyping();
    if (!print) return controller_->AddBill();
    // A bill printed but not kept stays in the boxes: it can be added again.
    if (!PrintOnChosenPrinter().kept) return false;
    controller_->StartNextBill();
    return true;
}

void MainWindow::LoadStoredBill(qint64 billNumber) {
    if (!session_.HasFormat()) return;
    Bill stored;
    if (!::LoadStoredBill(session_.Db(), session_.CurrentFormat(), billNumber, stored,
                          controller_->Filling()))
        return;
    // The boxes show that bill alone, not a mix with what was typed before.
    designer_->ClearSelection();
    designer_->ClearContents();
    session_.Document().FillContents(stored);
}
