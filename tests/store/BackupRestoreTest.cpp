// What restoring a backup accepts: only a store of this program, checked on a copy so
// the file named is never written; and which daily copy survives when older copies
// carry dates from a clock that was once wrong.
#include "StoreFixture.h"

#include "core/Progress.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "store/StoreTexts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

QByteArray Digest(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

class BackupRestore : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db);
        SilentProgress quiet;
        Format format = GeneratedFormat(QStringLiteral("甲"), 3, QStringLiteral("框"));
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, quiet));
    }
    // A file at `name` beside the data folder, made by `make` on a keyed database.
    QString KeyedFile(const QString& name, const QStringList& statements) {
        const QString path = other_.filePath(name);
        std::unique_ptr<Database> db = Database::Open(path);
        EXPECT_TRUE(db);
        for (const QString& sql : statements) EXPECT_TRUE(db->Exec(sql)) << sql.toStdString();
        return path;
    }
    QStringList Formats() {
        std::unique_ptr<Database> db = OpenDataDatabase();
        return db ? FormatStore(*db).FormatNames() : QStringList();
    }

    TempDataFolder folder;
    QTemporaryDir other_;
};

TEST_F(BackupRestore, FilesThatAreNoStoreOfThisProgramAreRefusedAndLeftUntouched) {
    QFile empty(other_.filePath(QStringLiteral("空.db")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QString candidates[] = {
        empty.fileName(),
        KeyedFile(QStringLiteral("别的表.db"), {QStringLiteral("CREATE TABLE 客户(名称 TEXT)"),
                                                QStringLiteral("INSERT INTO 客户 VALUES('x')")}),
        KeyedFile(QStringLiteral("空库.db"), {QStringLiteral("CREATE TABLE t(x)"), QStringLiteral("DROP TABLE t")}),
        KeyedFile(QStringLiteral("新版本.db"), {QStringLiteral("CREATE TABLE Fmt(ID, LBL)"),
                                                QStringLiteral("PRAGMA user_version=99")}),
    };
    const QByteArray store = Digest(DataFolder::DatabasePath());
    for (const QString& backup : candidates) {
        SCOPED_TRACE(backup.toStdString());
        const QByteArray before = Digest(backup);
        const qint64 size = QFileInfo(backup).size();
        const RestoreOutcome outcome = RestoreBackup(backup);
        EXPECT_FALSE(outcome.restored);
        EXPECT_EQ(outcome.problem, StoreTexts::BackupUnusable(backup));
        EXPECT_EQ(Digest(backup), before);
        EXPECT_EQ(QFileInfo(backup).size(), size);
        EXPECT_EQ(Digest(DataFolder::DatabasePath()), store) << "the store is not replaced";
    }
    EXPECT_EQ(Formats(), QStringList({"甲"}));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("restoring")),
              QStringList());
}

TEST_F(BackupRestore, AReadOnlyBackupIsRestoredWithoutBeingWritten) {
    {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2025, 1, 2)));
    }
    const QString saved = other_.filePath(QStringLiteral("只读.db"));
    ASSERT_TRUE(QFile::copy(BackupFiles(QDate(2025, 1, 2)).value(0), saved));
    ASSERT_TRUE(QFile::setPermissions(saved, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    const QByteArray before = Digest(saved);
    {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db->Exec(QStringLiteral("DELETE FROM Fmt WHERE Fmt='甲'")));
    }
    const RestoreOutcome outcome = RestoreBackup(saved);
    ASSERT_TRUE(outcome.restored) << outcome.problem.toStdString();
    EXPECT_EQ(Digest(saved), before);
    EXPECT_EQ(Formats(), QStringList({"甲"}));
}

TEST_F(BackupRestore, RestoresInQuickSuccessionEachKeepTheStoreTheyReplace) {
    {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2025, 1, 2)));
    }
    const QString backup = BackupFiles(QDate(2025, 1, 2)).value(0);
    QStringList keptAs;
    for (int i = 0; i < 3; ++i) {
        const RestoreOutcome outcome = RestoreBackup(backup);
        ASSERT_TRUE(outcome.restored) << i << ": " << outcome.problem.toStdString();
        keptAs << outcome.keptAs;
    }
    keptAs.removeDuplicates();
    EXPECT_EQ(keptAs.size(), 3);
    for (const QString& kept : keptAs) EXPECT_TRUE(QFileInfo::exists(kept)) << kept.toStdString();
    EXPECT_EQ(Formats(), QStringList({"甲"}));
}

TEST_F(BackupRestore, TodaysCopyStaysWhateverDatesTheOthersCarry) {
    const QDate today(2025, 6, 1);
    QDir().mkpath(BackupFolder());
    for (int day = 1; day <= kBackupsKept; ++day) {
        const QString future = BackupFolder() + QStringLiteral("/DATA-%1.db")
                                                    .arg(today.addYears(1).addDays(day).toString("yyyyMMdd"));
        ASSERT_TRUE(QFile::copy(DataFolder::DatabasePath(), future));
    }
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(BackUpOncePerDay(*db, today));
    const QStringList backups = BackupFiles(today);
    EXPECT_EQ(backups.size(), kBackupsKept);
    EXPECT_TRUE(backups.value(0).endsWith(QStringLiteral("/DATA-20250601.db"))) << "newest, and what restore takes";
    EXPECT_TRUE(QFile::exists(BackupFolder() + QStringLiteral("/DATA-20250601.db")));
}

} // namespace
