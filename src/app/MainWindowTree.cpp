// The main window's format tree and format list: opening from the tree, following the
// open format, filing formats made by new, save-as and import, and the list dialog.
#include "app/MainWindow.h"

#include "app/FormatListDialog.h"
#include "app/FormatTreeView.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "app/HistoryView.h"
#include "store/Database.h"
#include "store/StoreChanges.h"
#include "store/StoreLocation.h"

#include <QAction>

namespace {
// On a server store, the tree and the history follow what other seats change.
void FollowOtherSeats(QObject* window, FormatTreeView* tree, HistoryView* history) {
    std::unique_ptr<StoreChanges> changes = StoreChanges::Listen(StoreLocation::Server());
    if (!changes) return;
    StoreChanges* heard = changes.release();
    heard->setParent(window);
    QObject::connect(heard, &StoreChanges::FormatsChanged, tree, &FormatTreeView::Reload);
    QObject::connect(heard, &StoreChanges::BillsChanged, history, &HistoryView::Refresh);
}
} // namespace

void MainWindow::ConnectFormatTree() {
    connect(tree_, &FormatTreeView::OpenRequested, this,
            [this](const QString& name) { OpenFormat(name, false); });
    // A format made by new or save-as, or imported and opened, is filed as it opens.
    connect(this, &MainWindow::FormatOpened, tree_, [this] {
        tree_->SetCurrentFormat(session_.CurrentFormat().name);
        tree_->Reload();
    });
    connect(findChild<QAction*>(QStringLiteral("mImportFmt")), &QAction::triggered, tree_,
            &FormatTreeView::Reload);
    connect(tree_, &FormatTreeView::FormatRenamed, this,
            [this](const QString& oldName, const QString& newName) {
                if (session_.CurrentFormat().name == oldName) session_.Document().Rename(newName);
            });
    QAction* manage = findChild<QAction*>(QStringLiteral("mManageFmt"));
    connect(manage, &QAction::triggered, this, [this] { ChooseFormat(); });
    manage->setEnabled(true);
    if (session_.Db().IsServer()) FollowOtherSeats(this, tree_, history_);
}

bool MainWindow::ChooseFormat() {
    const QString chosen = ShowFormatList(session_.Db(), asker_, *progress_,
                                          session_.CurrentFormat().name, this);
    // The list imports and deletes formats: the tree follows.
    tree_->Reload();
    return !chosen.isEmpty() && OpenFormat(chosen, false);
}
