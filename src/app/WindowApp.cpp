#include "app/WindowApp.h"

#include "content/layout/FontMapping.h"
#include "content/layout/InterfaceFont.h"
#include "app/DialogTitles.h"
#include "app/LoginDialog.h"
#include "app/MainWindow.h"
#include "app/QtAsker.h"
#include "app/QtTranslations.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/StoreRecovery.h"
#include "app/StoreWatch.h"
#include "core/Asker.h"
#include "store/DataFolder.h"
#include "store/DataFolderCheck.h"
#include "store/Database.h"
#include "store/Login.h"
#include "store/PasswordKey.h"
#include "store/StoreOpening.h"

#include <QApplication>
#include <QTextStream>

std::unique_ptr<Session> OpenSession(Asker& asker) {
    StoreOpening opening = OpenStore();
    if (!opening.db && opening.fault == StoreFault::Damaged) {
        // The user has heard about the damage and what became of the offer.
        if (!RestoreAfterDamage(asker, opening.message)) return nullptr;
        opening = OpenStore();
    }
    if (!opening.db) {
        asker.Message(opening.message);
        return nullptr;
    }
    return std::make_unique<Session>(std::move(opening.db));
}

int CheckDataFolder(Asker& asker) {
    const QString problem = DataFolderProblem(DataFolder::Path(), DataFolder::DatabasePath());
    if (problem.isEmpty()) return 0;
    // Also for whoever started the program from a terminal or a script.
    QTextStream(stderr) << problem << Qt::endl;
    asker.Message(problem);
    return 1;
}

int RunWindowApp() {
    UseInterfaceFont();
    InstallChineseFontSubstitutions();
    InstallQtTranslations();
    DialogTitleFitter titles;
    qApp->installEventFilter(&titles);
    QtAsker asker;
    if (const int code = CheckDataFolder(asker); code != 0) return code;
    SingleInstance instance(DataFolder::Path());
    if (!instance.Acquired()) return 0; // a window of this data folder is already open

    StoreWatch watch(asker);
    // A store keyed with a password opens only once the password is given.
    const QString store = DataFolder::DatabasePath();
    if (StoreNeedsPassword(store)) {
        LoginDialog unlock([&](const QString& typed) { return UnlockWithPassword(store, store, typed); },
                           asker);
        if (unlock.exec() != QDialog::Accepted) return 0;
    }
    for (bool restore = false;; restore = true) {
        if (restore && !RestoreNewestBackup(asker)) return 1;
        const std::unique_ptr<Session> session = OpenSession(asker);
        if (!session) return 1;
        if (LoginRequired(session->Db())) {
            LoginDialog login([&](const QString& typed) { return Login(session->Db(), typed); }, asker);
            if (login.exec() != QDialog::Accepted) return 0;
        }
        MainWindow window(*session, asker);
        asker.SetParent(&window);
        window.StartUp();
        window.show();
        const int code = QApplication::exec();
        asker.SetParent(nullptr);
        // The user wants the backup: the window and the store close first.
        if (code != StoreWatch::kRestoreRequested) return code;
    }
}
