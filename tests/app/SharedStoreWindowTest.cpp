// The window on a server store as a clerk: format changes are greyed, since the
// server would refuse them anyway.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"
#include "common/TestServer.h"
#include "designer/DesignerView.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ServerSchema.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

TEST_F(AppFixture, AClerksWindowGreysWhatOnlyDesignersMayDo) {
    TestServer* server = StartedTestServer();
    if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
    const QString store = server->FreshStore();
    {
        const std::unique_ptr<Database> owner = Database::OpenServer(store);
        ASSERT_TRUE(owner && InitServerStore(*owner) && GrantServerRole(*owner, "clerk_w", "clerk"));
        const ServerStoreScope asOwner(store);
        const std::unique_ptr<Session> session = OpenSession();
        ASSERT_TRUE(session);
        StoreSampleFormat(*session, "支票");
        ASSERT_TRUE(session->Formats().WriteLastUse("支票", {0, 0, 0}));
    }
    const ServerStoreScope asClerk(server->Location("clerk_w", server->LastSchema()));
    const std::unique_ptr<Session> session = OpenSession();
    ASSERT_TRUE(session);
    const std::unique_ptr<MainWindow> window = StartWindowOnSample(*session);
    auto enabled = [&window](const char* name) { return window->findChild<QAction*>(name)->isEnabled(); };
    EXPECT_FALSE(enabled("mSaveFmt"));
    EXPECT_FALSE(enabled("mSaveAsFmt"));
    EXPECT_FALSE(enabled("mNewFmt"));
    EXPECT_FALSE(enabled("mImportFmt"));
    EXPECT_TRUE(enabled("mSelFmt"));
    EXPECT_TRUE(enabled("mPrint"));
}

// What the designer does to the picture reaches the server's database, where every seat
// reads it, not only this seat's copy.
TEST_F(AppFixture, TheDesignersBackgroundIsKeptInTheServersDatabase) {
    TestServer* server = StartedTestServer();
    if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
    const QString store = server->FreshStore();
    const ServerStoreScope scope(store);
    const std::unique_ptr<Session> session = OpenSession();
    ASSERT_TRUE(session);
    StoreSampleFormat(*session, "支票", {1, 0, 0, 0, 1}); // not locked: the designer may change it
    ASSERT_TRUE(session->Formats().WriteLastUse("支票", {0, 0, 0}));
    const std::unique_ptr<MainWindow> window = StartWindowOnSample(*session);

    QTemporaryDir files;
    const QString scan = files.filePath("scan.jpg");
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(scan, "JPG"));
    QFile scanned(scan);
    ASSERT_TRUE(scanned.open(QIODevice::ReadOnly));
    asker_.File(scan).Yes();
    window->Designer().ReplaceBackground();
    const std::unique_ptr<Database> otherSeat = Database::OpenServer(store);
    ASSERT_TRUE(otherSeat);
    EXPECT_EQ(BackgroundPictures(*otherSeat).Read("支票"), scanned.readAll());

    asker_.Yes();
    window->Designer().ClearBackground();
    EXPECT_FALSE(BackgroundPictures(*otherSeat).Exists("支票"));
}

} // namespace
