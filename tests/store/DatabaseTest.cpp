#include "StoreFixture.h"

#include "store/DataFolder.h"
#include "store/DatabaseKey.h"
#include "store/StoreTexts.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QProcess>

namespace {

QString RunShell(const QString& shell, const QString& file, const QString& input, int* exitCode) {
    QProcess process;
    process.start(shell, {file});
    process.write(input.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(30000);
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void MakeDatabaseWithKey(const QString& path, const char* key) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
    if (key) sqlite3_key(raw, key, int(strlen(key)));
    ASSERT_EQ(sqlite3_exec(raw, "CREATE TABLE t(a); INSERT INTO t VALUES(1);", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
}

} // namespace

TEST_F(StoreTest, NewDataFolderGetsAnEncryptedDatabaseWithEveryTable) {
    db.reset();
    int exitCode = 0;
    const QString tables = RunShell(QStringLiteral("sqlcipher"), DataFolder::DatabasePath(),
                                    QStringLiteral("PRAGMA key=\"%1\";\n.tables\n").arg(QString::fromLatin1(StoreKeyText())), &exitCode);
    for (const char* table : {"Fmt", "历史", "默认", "参数", "映射", "网站格式"})
        EXPECT_TRUE(tables.contains(QString::fromUtf8(table))) << table << " in " << tables.toStdString();

    const QString plain = RunShell(QStringLiteral("sqlite3"), DataFolder::DatabasePath(),
                                   QStringLiteral("SELECT count(*) FROM sqlite_master;\n"), &exitCode);
    EXPECT_TRUE(plain.contains(QStringLiteral("not a database"))) << plain.toStdString();
    EXPECT_FALSE(ReadAll(DataFolder::DatabasePath()).startsWith("SQLite format 3"));
}

TEST_F(StoreTest, UnreadableFilesAreReportedAndLeftByteIdentical) {
    const QString wrongKey = folder.File(QStringLiteral("wrongkey.db"));
    const QString plain = folder.File(QStringLiteral("plain.db"));
    const QString damaged = folder.File(QStringLiteral("damaged.db"));
    MakeDatabaseWithKey(wrongKey, "12345678");
    MakeDatabaseWithKey(plain, nullptr);
    QByteArray garbage = ReadAll(DataFolder::DatabasePath());
    for (qsizetype i = 0; i < 64; ++i) garbage[i] = char(i * 7);
    WriteFile(damaged, garbage);

    for (const QString& path : {wrongKey, plain, damaged}) {
        const QByteArray before = ReadAll(path);
        QString error;
        EXPECT_EQ(Database::Open(path, &error), nullptr) << path.toStdString();
        EXPECT_EQ(error, StoreTexts::kNoConnection);
        EXPECT_EQ(ReadAll(path), before) << path.toStdString();
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    }
}

TEST_F(StoreTest, ValuesAreBoundAndLikePatternsEscaped) {
    const QString hostile = QStringLiteral("O'Brien'); DROP TABLE 参数; --");
    ASSERT_TRUE(db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, ?)"), {hostile, hostile}));
    EXPECT_EQ(db->LookupWhere(QStringLiteral("参数"), QStringLiteral("Var=?"), {hostile},
                              QStringLiteral("Con")),
              hostile);
    EXPECT_EQ(db->LookupWhere(QStringLiteral("参数"), QStringLiteral("Var=?"), {QStringLiteral("none")},
                              QStringLiteral("Con")),
              QString());
    // A second statement is refused, not run or silently dropped.
    EXPECT_FALSE(db->Exec(QStringLiteral("DELETE FROM 参数; DELETE FROM Fmt")));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 1);

    for (const char* name : {"a_1", "ab1", "a%1", "a\\1", "a\\_1"})
        db->Exec(QStringLiteral("INSERT INTO 参数(Var) VALUES(?)"), {QString::fromUtf8(name)});
    for (const char* name : {"a_1", "a%1", "a\\1", "a\\_1"}) {
        const QueryResult matched =
            db->Query(QStringLiteral("SELECT Var FROM 参数 WHERE Var LIKE ? ESCAPE '\\'"),
                      {EscapeLike(QString::fromUtf8(name))});
        ASSERT_EQ(matched.rows.size(), 1) << name;
        EXPECT_EQ(matched.rows[0][0].toString(), QString::fromUtf8(name));
    }
}

TEST_F(StoreTest, NestedTransactionsCommitOrRollBackAsOne) {
    const QString insert = QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, '')");
    {
        Database::Transaction outer(*db);
        db->Exec(insert, {QStringLiteral("outer")});
        {
            Database::Transaction inner(*db);
            db->Exec(insert, {QStringLiteral("inner")});
            // left without Commit: the whole transaction is doomed
        }
        EXPECT_FALSE(outer.Active());
        EXPECT_FALSE(outer.Commit());
    }
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 0);
    {
        Database::Transaction outer(*db);
        Database::Transaction inner(*db);
        db->Exec(insert, {QStringLiteral("both")});
        EXPECT_TRUE(inner.Commit());
        EXPECT_TRUE(outer.Commit());
    }
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 1);
}
