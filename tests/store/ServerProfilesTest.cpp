// Printer profiles on a server store: corrections of a fraction of a percent come back
// with every digit, and a clerk calibrates the printer they print on.
#include "StoreFixture.h"

#include "common/TestServer.h"
#include "store/PrinterProfileStore.h"
#include "store/ServerSchema.h"
#include "store/StoreOpening.h"

namespace {

TEST(ServerProfilesTest, AClerksCalibrationIsKeptWithEveryDigit) {
    TestServer* server = StartedTestServer();
    if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
    TempDataFolder folder;
    const std::unique_ptr<Database> designer = OpenServerStore(server->FreshStore()).db;
    ASSERT_TRUE(designer);
    ASSERT_TRUE(InitServerStore(*designer));
    ASSERT_TRUE(GrantServerRole(*designer, QStringLiteral("profile_clerk"), QStringLiteral("clerk")));
    const std::unique_ptr<Database> clerk =
        Database::OpenServer(server->Location(QStringLiteral("profile_clerk"), server->LastSchema()));
    ASSERT_TRUE(clerk);

    const PrinterProfileKey key{QStringLiteral("柜台"), QStringLiteral("epson24"), {}};
    PrinterProfile measured;
    measured.offsetX = 0.1;
    measured.offsetY = -1.37;
    measured.scaleX = 1.0023;
    measured.scaleY = 0.99871;
    measured.feedMm = 0.0423;
    ASSERT_TRUE(SavePrinterProfile(*clerk, key, measured)) << clerk->LastError().toStdString();
    const std::optional<PrinterProfile> read = LoadPrinterProfile(*designer, key);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->offsetX, 0.1);
    EXPECT_EQ(read->offsetY, -1.37);
    EXPECT_EQ(read->scaleX, 1.0023);
    EXPECT_EQ(read->scaleY, 0.99871);
    EXPECT_EQ(read->feedMm, 0.0423);
}

} // namespace
