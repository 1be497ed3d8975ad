// The main window's records: default contents kept per format, the bill kept in
// history after printing or by the bill menu, and the history tab.
#include "app/MainWindow.h"

#include "app/HistoryView.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "core/Asker.h"
#include "designer/DesignerView.h"
#include "records/BoxValues.h"
#include "records/HistoryModel.h"
#include "records/Defaults.h"
#include "records/History.h"
#include "records/HistoryQueries.h"
#include "records/RecordsTexts.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

namespace {
ValueFilling FillingOf(const Session& session) {
    return {session.LineBreakMarker(), session.Conversion()};
}
} // namespace

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

bool MainWindow::StoreDefaults() {
    if (!session_.HasFormat()) return true;
    CommitTyping();
    if (SaveDefaults(session_.Db(), session_.CurrentFormat(), session_.CurrentBill(), *progress_))
        return true;
    asker_.Message(RecordsText::kDefaultsSaveFailed);
    return false;
}

Bill MainWindow::DefaultsOf(const Format& format, const ValueFilling& filling) {
    Bill bill;
    LoadDefaults(session_.Db(), format, bill, filling, *progress_);
    return bill;
}

bool MainWindow::KeepBill(const Format& format, const Bill& bill) {
    const SavedBill saved = SaveHistory(session_.Db(), format, bill);
    billKept_ = saved.outcome != SavedBill::Outcome::Failed;
    if (!billKept_) {
        asker_.Message(RecordsText::kHistorySaveFailed);
        return false;
    }
    if (saved.outcome == SavedBill::Outcome::Added) history_->Refresh();
    return true;
}

bool MainWindow::AddBill(bool print) {
    if (!session_.HasFormat()) return false;
    CommitTyping();
    if (!SaveNewBoxesFirst()) return false;
    // Printing keeps the bill through the after-print step.
    billKept_ = false;
    if (print ? !PrintCurrentBill() : !KeepBill(session_.CurrentFormat(), session_.CurrentBill()))
        return false;
    // A bill that could not be kept stays in the boxes; otherwise the next one starts empty.
    if (!billKept_) return false;
    designer_->ClearSelection();
    designer_->ClearContents();
    RunAutoFill();
    return true;
}

void MainWindow::LoadStoredBill(qint64 billNumber) {
    if (!session_.HasFormat()) return;
    Bill stored;
    if (!::LoadStoredBill(session_.Db(), session_.CurrentFormat(), billNumber, stored,
                          FillingOf(session_)))
        return;
    // The boxes show that bill alone, not a mix with what was typed before.
    designer_->ClearSelection();
    designer_->ClearContents();
    session_.Document().FillContents(stored);
}
