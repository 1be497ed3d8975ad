// `vellumark store init` and `store grant` on a server the test starts: the two roles
// are the server's own, so a clerk's seat cannot change a format whatever it sends.
#include "CliFixture.h"

#include "common/TestServer.h"
#include "core/Progress.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"
#include "store/StoreTexts.h"

#include <QFile>

#include <memory>

namespace {

constexpr qint64 kScreenWidth = 15360;

class StoreCommandTest : public CliTest {
protected:
    void SetUp() override {
        server = StartedTestServer();
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        store = server->FreshStore();
    }
    // A seat of the store as this server user.
    std::unique_ptr<Database> Seat(const QString& user) {
        std::unique_ptr<Database> db = Database::OpenServer(server->Location(user, server->LastSchema()));
        EXPECT_TRUE(db && UpgradeSchema(*db));
        return db;
    }
    static Format OneBoxFormat() {
        Format format;
        format.name = QStringLiteral("支票");
        format.page.width = 210;
        format.page.height = 99;
        BoxRecord box;
        box.id = kFirstTemporaryId;
        box.label = QStringLiteral("收款人");
        box.w = 40;
        box.h = 6;
        format.boxes << box;
        return format;
    }

    TestServer* server = nullptr;
    QString store;
    SilentProgress quiet;
};

TEST_F(StoreCommandTest, AClerkPrintsButTheServerRefusesItsChangesToFormatsAndHistory) {
    const CommandOutcome init = Run({"store", "init", store});
    ASSERT_EQ(init.code, 0) << init.err.toStdString();
    EXPECT_TRUE(init.out.contains("vellumark_clerk"));
    // Running it again on a store that has everything changes nothing and succeeds.
    ASSERT_EQ(Run({"store", "init", store}).code, 0);

    const ServerStoreScope scope(store);
    Format format = OneBoxFormat();
    ASSERT_TRUE(FormatStore(*Seat("postgres")).SaveFormat(format, {}, kScreenWidth, quiet));
    ASSERT_EQ(Run({"store", "grant", "Clerk_A", "clerk"}).code, 0);

    // Names reach the server folded to small letters, as typed names do.
    const std::unique_ptr<Database> clerk = Seat("clerk_a");
    ASSERT_TRUE(clerk);
    EXPECT_FALSE(FormatStore(*clerk).MayChangeFormats());
    EXPECT_TRUE(FormatStore(*Seat("postgres")).MayChangeFormats());
    Format changed = *FormatStore(*clerk).LoadFormat(format.name, kScreenWidth);
    changed.boxes[0].x = 5;
    EXPECT_FALSE(FormatStore(*clerk).SaveFormat(changed, {}, kScreenWidth, quiet));
    EXPECT_EQ(clerk->LastFault(), StoreFault::Refused);
    EXPECT_FALSE(FormatStore(*clerk).DeleteFormatRows(format.name));

    Bill bill;
    bill.SetValue(format.boxes[0].id, QStringLiteral("甲"));
    const SavedBill saved = SaveHistory(*clerk, format, bill);
    EXPECT_EQ(saved.outcome, SavedBill::Outcome::Added);
    EXPECT_FALSE(DeleteBills(*clerk, format.name, {saved.number}));
    EXPECT_EQ(clerk->LastFault(), StoreFault::Refused);
    EXPECT_EQ(FormatStore(*clerk).LoadFormat(format.name, kScreenWidth)->boxes[0].x, 0);

    // Made a designer, the same user may change the format.
    ASSERT_EQ(Run({"store", "grant", "clerk_a", "designer"}).code, 0);
    EXPECT_TRUE(FormatStore(*Seat("clerk_a")).MayChangeFormats());
    EXPECT_TRUE(FormatStore(*Seat("clerk_a")).SaveFormat(changed, {}, kScreenWidth, quiet));
}

TEST_F(StoreCommandTest, ACommandOnAStoppedServerNamesItWithTheReasonAndPrintsNothing) {
    ASSERT_EQ(Run({"store", "init", store}).code, 0);
    const ServerStoreScope scope(store);
    const QString pdf = folder_.File("bill.pdf");
    ASSERT_TRUE(server->Stop());
    const CommandOutcome away = Run({"print", "支票", "--pdf", pdf});
    ASSERT_TRUE(server->Start());
    EXPECT_EQ(away.code, 1);
    // The connection library names the server's socket and why it failed.
    EXPECT_TRUE(away.err.startsWith(StoreTexts::ServerAway(QString()))) << away.err.toStdString();
    EXPECT_TRUE(away.err.contains(server->SocketFolder())) << away.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(StoreCommandTest, MisusedArgumentsAndFilesAreRefused) {
    EXPECT_EQ(Run({"store"}).code, 2);
    EXPECT_EQ(Run({"store", "init"}).code, 2);
    EXPECT_EQ(Run({"store", "grant", "someone", "boss"}).code, 2);
    const CommandOutcome file = Run({"store", "init", folder_.File("DATA.db")});
    EXPECT_EQ(file.code, 1);
    EXPECT_EQ(file.err.trimmed(), StoreTexts::NotAServer(folder_.File("DATA.db")));
    // With no server chosen there is no store to grant on.
    EXPECT_EQ(Run({"store", "grant", "someone", "clerk"}).code, 1);
    const CommandOutcome away = Run({"store", "init", "host=/nonexistent dbname=x"});
    EXPECT_EQ(away.code, 1);
    EXPECT_TRUE(away.err.startsWith(StoreTexts::ServerAway(QString()))) << away.err.toStdString();
}

} // namespace
