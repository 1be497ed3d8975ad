#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "core/Progress.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/DatabaseKey.h"
#include "store/FormatStore.h"
#include "store/Maintenance.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QFile>

namespace {

// Whether the file reads through a connection keyed only with `applyKey`, no fallback.
bool ReadsWith(const QString& path, bool (*applyKey)(sqlite3*)) {
    sqlite3* raw = nullptr;
    bool reads = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr)
                     == SQLITE_OK
                 && applyKey(raw)
                 && sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr,
                                 nullptr)
                        == SQLITE_OK;
    sqlite3_close(raw);
    return reads;
}

// Puts a closed store back into the form the program wrote before the raw key: the
// passphrase key, write-ahead logging on.
void KeyWithOldPassphrase(const QString& path) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
    ASSERT_TRUE(ApplyStoreKey(raw));
    ASSERT_EQ(sqlite3_exec(raw, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_rekey(raw, "58203614", 8), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DatabaseKeyTest : public StoreTest {
protected:
    // A store with formats, history and parameters, closed and keyed as before.
    QString MakeOldStore() {
        SilentProgress progress;
        Format format = GeneratedFormat(QStringLiteral("旧格式"), 12, QStringLiteral("框"));
        FormatStore(*db).SaveFormat(format, {}, kScreenWidth, progress);
        db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(1, '旧格式', 1, '张三')"));
        db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('软件密码', '')"));
        before = Dump(*db);
        const QString path = db->Path();
        db.reset();
        KeyWithOldPassphrase(path);
        return path;
    }
    QString before;
};

TEST_F(DatabaseKeyTest, NewFilesBackupsAndCompactedCopiesAllTakeTheRawKey) {
    const QString path = db->Path();
    EXPECT_TRUE(ReadsWith(path, &ApplyStoreKey));
    EXPECT_FALSE(ReadsWith(path, &ApplyPassphraseKey));

    ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2026, 1, 2)));
    ASSERT_EQ(BackupFiles().size(), 1);
    EXPECT_TRUE(ReadsWith(BackupFiles().first(), &ApplyStoreKey));

    ScriptedAsker asker;
    SilentProgress progress;
    ASSERT_TRUE(CompactDatabase(*db, asker, progress));
    db.reset();
    EXPECT_TRUE(ReadsWith(path, &ApplyStoreKey));
    EXPECT_TRUE(ReadsWith(DataFolder::TempPath() + QStringLiteral("/backup.db"), &ApplyStoreKey));
}

TEST_F(DatabaseKeyTest, AStoreKeyedWithTheOldPassphraseIsConvertedOnceWithEveryRow) {
    const QString path = MakeOldStore();
    ASSERT_TRUE(ReadsWith(path, &ApplyPassphraseKey));
    ASSERT_FALSE(ReadsWith(path, &ApplyStoreKey));

    db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(Dump(*db), before);
    EXPECT_EQ(db->Query(QStringLiteral("PRAGMA journal_mode")).rows.value(0).value(0).toString(),
              QStringLiteral("wal"));
    EXPECT_TRUE(db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('之后', '1')")));
    db.reset();
    EXPECT_TRUE(ReadsWith(path, &ApplyStoreKey));
    EXPECT_FALSE(ReadsWith(path, &ApplyPassphraseKey));
}

TEST_F(DatabaseKeyTest, AnOldStoreOpenElsewhereIsReadAsItIsAndConvertedWhenAlone) {
    const QString path = MakeOldStore();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_TRUE(ApplyPassphraseKey(other));
    ASSERT_EQ(sqlite3_exec(other, "SELECT count(*) FROM 历史", nullptr, nullptr, nullptr), SQLITE_OK);

    std::unique_ptr<Database> shared = Database::Open(path);
    ASSERT_TRUE(shared);
    EXPECT_EQ(Dump(*shared), before);
    shared.reset();
    EXPECT_TRUE(ReadsWith(path, &ApplyPassphraseKey));

    sqlite3_close(other);
    ASSERT_TRUE(Database::Open(path));
    EXPECT_TRUE(ReadsWith(path, &ApplyStoreKey));
}

TEST_F(DatabaseKeyTest, ABackupFromBeforeTheRawKeyIsCheckedWithoutBeingWrittenAndRestores) {
    const QString path = MakeOldStore();
    const QString old = folder.File(QStringLiteral("old-backup.db"));
    ASSERT_TRUE(QFile::copy(path, old));
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    const QByteArray bytes = Bytes(old);

    EXPECT_TRUE(IsSoundDatabase(old));
    EXPECT_EQ(Bytes(old), bytes);
    const RestoreOutcome outcome = RestoreBackup(old);
    ASSERT_TRUE(outcome.restored) << outcome.problem.toStdString();
    EXPECT_EQ(Bytes(old), bytes);
    db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(Dump(*db), before);
}
