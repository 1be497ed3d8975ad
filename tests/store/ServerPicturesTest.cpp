// Background pictures on a server store live in its database: every seat sees the same
// picture, it goes along when a format is renamed or deleted, and a clerk may read it
// but never change it.
#include "StoreFixture.h"

#include "common/TestServer.h"
#include "core/Progress.h"
#include "store/BackgroundPictures.h"
#include "store/FormatRename.h"
#include "store/FormatStore.h"
#include "store/ServerSchema.h"
#include "store/StoreOpening.h"

#include <QFile>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ServerPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = StartedTestServer();
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        const QString store = server->FreshStore();
        first = OpenServerStore(store).db;
        second = OpenServerStore(store).db;
        ASSERT_TRUE(first && second);
        Format format = GeneratedFormat(kName, 2, QStringLiteral("框"));
        ASSERT_TRUE(FormatStore(*first).SaveFormat(format, {}, kScreenWidth, quiet));
    }

    const QString kName = QStringLiteral("运单");
    TempDataFolder folder;
    TestServer* server = nullptr;
    std::unique_ptr<Database> first, second;
    SilentProgress quiet;
};

TEST_F(ServerPicturesTest, ASecondSeatSeesThePictureAndItsChanges) {
    ASSERT_TRUE(BackgroundPictures(*first).Write(kName, "scan one"));
    BackgroundPictures seen(*second);
    EXPECT_EQ(seen.Read(kName), "scan one");
    // Opening the format brings the seat's copy, which drawing and printing read.
    ASSERT_TRUE(FormatStore(*second).LoadFormat(kName, kScreenWidth));
    EXPECT_EQ(FileBytes(BackgroundPicturePath(kName)), "scan one");

    // The copy is no truth of its own: a change on the other seat replaces it, and a
    // picture removed there goes from this seat's copies too.
    ASSERT_TRUE(BackgroundPictures(*first).Write(kName, "scan two"));
    QFile::remove(BackgroundPicturePath(kName));
    EXPECT_EQ(FileBytes(seen.Fetch(kName)), "scan two");
    ASSERT_TRUE(BackgroundPictures(*first).Remove(kName));
    EXPECT_TRUE(seen.Fetch(kName).isEmpty());
    EXPECT_FALSE(QFile::exists(BackgroundPicturePath(kName)));
}

TEST_F(ServerPicturesTest, RenameAndDeleteCarryThePicture) {
    ASSERT_TRUE(BackgroundPictures(*first).Write(kName, "scan"));
    ASSERT_EQ(RenameFormatRecords(*first, kName, QStringLiteral("新运单")), RenameOutcome::Renamed);
    BackgroundPictures seen(*second);
    EXPECT_FALSE(seen.Exists(kName));
    EXPECT_EQ(seen.Read(QStringLiteral("新运单")), "scan");

    ASSERT_TRUE(FormatStore(*second).DeleteFormatRows(QStringLiteral("新运单")));
    EXPECT_FALSE(BackgroundPictures(*first).Exists(QStringLiteral("新运单")));
    // A format of that name made later starts without a picture.
    Format again = GeneratedFormat(QStringLiteral("新运单"), 1, QStringLiteral("框"));
    ASSERT_TRUE(FormatStore(*first).SaveFormat(again, {}, kScreenWidth, quiet));
    EXPECT_TRUE(BackgroundPictures(*first).Fetch(QStringLiteral("新运单")).isEmpty());
}

TEST_F(ServerPicturesTest, AClerkReadsThePictureButCannotChangeIt) {
    ASSERT_TRUE(InitServerStore(*first));
    ASSERT_TRUE(GrantServerRole(*first, QStringLiteral("picture_clerk"), QStringLiteral("clerk")));
    ASSERT_TRUE(BackgroundPictures(*first).Write(kName, "scan"));
    const std::unique_ptr<Database> clerk =
        Database::OpenServer(server->Location(QStringLiteral("picture_clerk"), server->LastSchema()));
    ASSERT_TRUE(clerk);

    BackgroundPictures pictures(*clerk);
    EXPECT_EQ(pictures.Read(kName), "scan");
    EXPECT_FALSE(pictures.Write(kName, "forged"));
    EXPECT_EQ(clerk->LastFault(), StoreFault::Refused);
    EXPECT_FALSE(pictures.Remove(kName));
    // The designer's window tried to change its copy: the copy goes back.
    QFile copy(BackgroundPicturePath(kName));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write("forged");
    copy.close();
    EXPECT_FALSE(pictures.Publish(kName));
    EXPECT_EQ(FileBytes(BackgroundPicturePath(kName)), "scan");
    EXPECT_EQ(BackgroundPictures(*first).Read(kName), "scan");
}

} // namespace
