// The other seats hear of a change to the formats or the bills when it commits, and
// not of a seat merely opening a format (the last-use row).
#include "StoreFixture.h"

#include "common/TestServer.h"
#include "core/Progress.h"
#include "store/FormatStore.h"
#include "store/StoreChanges.h"
#include "store/StoreOpening.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

struct Heard {
    int formats = 0;
    int bills = 0;
};

class StoreChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = StartedTestServer();
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        const QString store = server->FreshStore();
        writer = OpenServerStore(store).db;
        ASSERT_TRUE(writer);
        listener = StoreChanges::Listen(store);
        ASSERT_TRUE(listener);
        QObject::connect(listener.get(), &StoreChanges::FormatsChanged, [this] { ++heard.formats; });
        QObject::connect(listener.get(), &StoreChanges::BillsChanged, [this] { ++heard.bills; });
    }
    // Runs the event loop until the word arrives or a second has passed without it.
    Heard Wait(int formats, int bills) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 1000 && (heard.formats < formats || heard.bills < bills)) {
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        const Heard now = heard;
        heard = {};
        return now;
    }

    TempDataFolder folder;
    TestServer* server = nullptr;
    std::unique_ptr<Database> writer;
    std::unique_ptr<StoreChanges> listener;
    Heard heard;
    SilentProgress quiet;
};

TEST_F(StoreChangesTest, FormatAndBillChangesAreHeardOnceEachWhenTheyCommit) {
    FormatStore formats(*writer);
    Format format = GeneratedFormat(QStringLiteral("运单"), 30, QStringLiteral("框"));
    {
        Database::Transaction transaction(*writer);
        ASSERT_TRUE(formats.SaveFormat(format, {}, kScreenWidth, quiet));
        // Nothing is heard before the commit.
        const Heard early = Wait(1, 0);
        EXPECT_EQ(early.formats, 0);
        ASSERT_TRUE(transaction.Commit());
    }
    Heard saved = Wait(1, 0);
    EXPECT_EQ(saved.formats, 1); // thirty rows, one word
    EXPECT_EQ(saved.bills, 0);

    ASSERT_TRUE(formats.WriteLastUse(format.name, {1, 0, 0}));
    EXPECT_EQ(Wait(1, 0).formats, 0);

    ASSERT_TRUE(writer->Exec("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(1, '运单', 1, 'x')"));
    EXPECT_EQ(Wait(0, 1).bills, 1);

    ASSERT_TRUE(formats.DeleteFormatRows(format.name));
    const Heard deleted = Wait(1, 1);
    EXPECT_EQ(deleted.formats, 1);
    EXPECT_EQ(deleted.bills, 1);
}

TEST_F(StoreChangesTest, AfterTheServerRestartedTheWordIsHeardAgainWithoutANewListener) {
    QString away;
    int back = 0;
    QObject::connect(listener.get(), &StoreChanges::ServerAway, [&away](const QString& why) { away = why; });
    QObject::connect(listener.get(), &StoreChanges::ServerBack, [&back] { ++back; });
    listener->SetRetryInterval(50);

    ASSERT_TRUE(server->Stop());
    Wait(1, 0);
    const bool started = server->Start();
    ASSERT_TRUE(started);
    EXPECT_FALSE(away.isEmpty()) << "the loss is told with the connection library's reason";
    // Back: what was missed meanwhile is announced as changed, both kinds.
    const Heard caughtUp = Wait(1, 1);
    EXPECT_EQ(back, 1);
    EXPECT_TRUE(listener->Connected());
    EXPECT_EQ(caughtUp.formats, 1);
    EXPECT_EQ(caughtUp.bills, 1);

    // The writer's own connection opens again on its next statement.
    ASSERT_TRUE(writer->Exec("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(1, '运单', 1, 'x')"))
        << writer->LastError().toStdString();
    EXPECT_EQ(Wait(0, 1).bills, 1);
}

} // namespace
