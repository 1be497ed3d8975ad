#include "app/WindowApp.h"

#include "content/layout/FontMapping.h"
#include "app/LoginDialog.h"
#include "app/MainWindow.h"
#include "app/QtAsker.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "core/Asker.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/Login.h"
#include "store/Schema.h"

#include <QApplication>

std::unique_ptr<Session> OpenSession(Asker& asker) {
    QString error;
    std::unique_ptr<Database> db = OpenDataDatabase(&error);
    if (!db) {
        asker.Message(error);
        return nullptr;
    }
    return std::make_unique<Session>(std::move(db));
}

int RunWindowApp() {
    InstallChineseFontSubstitutions();
    SingleInstance instance(DataFolder::Path());
    if (!instance.Acquired()) return 0; // a window of this data folder is already open

    QtAsker asker;
    const std::unique_ptr<Session> session = OpenSession(asker);
    if (!session) return 1;
    if (LoginRequired(session->Params())) {
        LoginDialog login(session->Params(), asker);
        if (login.exec() != QDialog::Accepted) return 0;
    }
    MainWindow window(*session, asker);
    asker.SetParent(&window);
    window.StartUp();
    window.show();
    return QApplication::exec();
}
