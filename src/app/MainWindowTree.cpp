// The main window's format tree and format list: opening from the tree, following the
// open format, filing formats made by new, save-as and import, and the list dialog.
#include "app/MainWindow.h"

#include "app/FormatListDialog.h"
#include "app/FormatTreeView.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "app/HistoryView.h"
#include "app/ServerStatus.h"
#include "store/Database.h"
#include "store/StoreChanges.h"
#include "store/StoreLocation.h"
#include "store/StoreTexts.h"

#include <QAction>
#include <QStatusBar>

// On a server store, the tree, the format list and the history follow what other seats
// change, and the status bar says when the server is away.
void MainWindow::FollowOtherSeats() {
    std::unique_ptr<StoreChanges> changes = StoreChanges::Listen(StoreLocation::Server());
    if (!changes) return;
    changes_ = changes.release();
    changes_->setParent(this);
    connect(changes_, &StoreChanges::FormatsChanged, tree_, &FormatTreeView::Reload);
    connect(changes_, &StoreChanges::BillsChanged, history_, &HistoryView::Refresh);
    statusBar()->addPermanentWidget(new ServerStatus(*changes_, session_.Db().Path(), this));
    connect(changes_, &StoreChanges::ServerBack, this, [this] {
        // The window's own connection is opened again now, not on the user's next action.
        session_.Db().Reachable();
        ShowNote(StoreTexts::kServerBack);
    });
}

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
    if (session_.Db().IsServer()) FollowOtherSeats();
}

bool MainWindow::ChooseFormat() {
    const QString chosen = ShowFormatList(session_.Db(), asker_, *progress_,
                                          session_.CurrentFormat().name, this, changes_);
    // The list imports and deletes formats: the tree follows.
    tree_->Reload();
    return !chosen.isEmpty() && OpenFormat(chosen, false);
}
