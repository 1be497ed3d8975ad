// The window on a server store that goes away and comes back: the status bar names the
// server, the typed bill stays, printing is refused until the bill can be kept, the
// views keep what they showed; and the tree and the format list follow another seat's
// changes, also after the server restarted.
#include "AppFixture.h"

#include "app/FormatListDialog.h"
#include "app/FormatTreeView.h"
#include "app/MainWindow.h"
#include "app/ServerStatus.h"
#include "app/Session.h"
#include "app/WindowApp.h"
#include "common/TestServer.h"
#include "core/Progress.h"
#include "document/FormatController.h"
#include "store/Database.h"
#include "store/StoreChanges.h"

#include <QFile>
#include <QTableWidget>
#include <QTest>

#include <functional>

namespace {

class ServerAwayWindowTest : public AppFixture {
protected:
    void SetUp() override {
        server_ = StartedTestServer();
        if (!server_) GTEST_SKIP() << "no PostgreSQL server could be started";
        store_ = server_->FreshStore();
        scope_ = std::make_unique<ServerStoreScope>(store_);
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        ASSERT_TRUE(window_->OtherSeats());
        window_->OtherSeats()->SetRetryInterval(50);
    }
    void TearDown() override {
        // The next test finds the server running, whatever this one did.
        if (server_ && stopped_) server_->Start();
    }
    void StopServer() {
        ASSERT_TRUE(server_->Stop());
        stopped_ = true;
    }
    void StartServer() {
        ASSERT_TRUE(server_->Start());
        stopped_ = false;
    }
    // Runs the event loop until `done` holds, for up to ten seconds.
    static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }
    ServerStatus* Status() const { return window_->findChild<ServerStatus*>("ServerStatus"); }
    qint64 Payee() const { return session_->CurrentFormat().boxes[1].id; }
    // The bill numbers and payees in history, read as another seat reads them.
    QList<QVariantList> StoredPayees() {
        const std::unique_ptr<Database> db = Database::OpenServer(store_);
        if (!db) return {};
        return db->Query("SELECT ID, Con FROM 历史 WHERE CID=? ORDER BY ID", {Payee()}).rows;
    }
    bool TreeShows(const QString& name) const {
        const auto* tree = window_->findChild<FormatTreeView*>();
        return !tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
    }
    // Another seat stores a format of that name.
    void OtherSeatStores(const QString& name) {
        Session other(Database::OpenServer(store_));
        StoreSampleFormat(other, name);
    }

    TestServer* server_ = nullptr;
    QString store_;
    bool stopped_ = false;
    std::unique_ptr<ServerStoreScope> scope_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ServerAwayWindowTest, WhileTheServerIsAwayTheBillStaysUnprintedAndPrintsOnceItIsBack) {
    EnterValue(*window_, Payee(), "王五");
    ASSERT_TRUE(window_->Controller().AddBill()); // bill 1
    EnterValue(*window_, Payee(), "张三");
    StopServer();
    ASSERT_TRUE(WaitFor([this] { return Status()->isVisible(); }));
    const QString away = "无法连接数据库服务器：" + session_->Db().Path() + "：";
    EXPECT_TRUE(Status()->text().startsWith(away)) << Status()->text().toStdString();

    // Refused before any printer is chosen: no chooser, no file, the bill as typed.
    const QString pdf = folder_.File("bill.pdf");
    EXPECT_FALSE(window_->PrintCurrentBill());
    ASSERT_FALSE(asker_.messages.isEmpty());
    EXPECT_TRUE(asker_.messages.last().startsWith(away)) << asker_.messages.last().toStdString();
    EXPECT_TRUE(asker_.messages.last().contains("单据未打印"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(session_->Document().Content(Payee()), "张三");
    // Reloading while away keeps the formats shown rather than an empty store.
    window_->findChild<FormatTreeView*>()->Reload();
    EXPECT_TRUE(TreeShows("支票"));

    StartServer();
    ASSERT_TRUE(WaitFor([this] { return !Status()->isVisible(); }));
    asker_.File(pdf);
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window_->PrintCurrentBill()) << asker_.messages.join(' ').toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(StoredPayees(), (QList<QVariantList>{{qint64(1), "王五"}, {qint64(2), "张三"}}));
}

TEST_F(ServerAwayWindowTest, APrintOnAServerThatWentAwayUnnoticedIsRefusedAndTriedAgainNextTime) {
    // The listening connection has not heard yet: the print finds out for itself.
    window_->OtherSeats()->SetRetryInterval(60000);
    EnterValue(*window_, Payee(), "李四");
    StopServer();
    EXPECT_FALSE(window_->PrintCurrentBill());
    EXPECT_EQ(session_->Document().Content(Payee()), "李四");
    StartServer();
    // The next print opens the connection again itself.
    const QString pdf = folder_.File("again.pdf");
    asker_.File(pdf);
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window_->PrintCurrentBill()) << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(StoredPayees(), (QList<QVariantList>{{qint64(1), "李四"}}));
}

TEST_F(ServerAwayWindowTest, AWindowStartingWhileTheServerIsAwayNamesItAndShowsNoStore) {
    StopServer();
    asker_.messages.clear();
    EXPECT_FALSE(::OpenSession(asker_));
    ASSERT_EQ(asker_.messages.size(), 1);
    EXPECT_TRUE(asker_.messages[0].startsWith("无法连接数据库服务器：")) << asker_.messages[0].toStdString();
    EXPECT_TRUE(asker_.messages[0].contains(server_->SocketFolder()));
}

TEST_F(ServerAwayWindowTest, TheTreeAndTheFormatListFollowAnotherSeatAlsoAfterARestart) {
    SilentProgress quiet;
    FormatListDialog list(session_->Db(), asker_, quiet, "支票");
    list.FollowOtherSeats(window_->OtherSeats());
    auto listed = [&list](const QString& name) {
        return !list.findChild<QTableWidget*>("FmtGrid")->findItems(name, Qt::MatchExactly).isEmpty();
    };
    OtherSeatStores("运单");
    EXPECT_TRUE(WaitFor([&] { return TreeShows("运单") && listed("运单"); }));

    StopServer();
    ASSERT_TRUE(WaitFor([this] { return Status()->isVisible(); }));
    StartServer();
    ASSERT_TRUE(WaitFor([this] { return !Status()->isVisible(); }));
    OtherSeatStores("收据");
    EXPECT_TRUE(WaitFor([&] { return TreeShows("收据") && listed("收据"); }));
    EXPECT_TRUE(TreeShows("支票"));
}

} // namespace
