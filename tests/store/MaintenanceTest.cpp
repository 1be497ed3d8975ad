#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "store/Maintenance.h"
#include "core/Progress.h"
#include "store/StoreTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class MaintenanceTest : public StoreTest {
protected:
    void SaveComplete(const QString& name, int boxes) {
        Format format = GeneratedFormat(name, boxes, QStringLiteral("框"));
        ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
    }
    QStringList TempFiles() {
        return QDir(DataFolder::TempPath()).entryList(QDir::Files, QDir::Name);
    }

    FormatStore store{*db};
    SilentProgress progress;
    ScriptedAsker asker;
};

TEST_F(MaintenanceTest, TidyDeletesIncompleteFormatsByAskingAndOrphanDefaults) {
    SaveComplete(QStringLiteral("完整"), 2);
    for (const char* name : {"残缺", "当前残缺"})
        db->Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL) VALUES(?, '框')"), {QString::fromUtf8(name)});
    for (const char* name : {"完整", "已删"})
        db->Exec(QStringLiteral("INSERT INTO 默认(Fmt, ID, Con) VALUES(?, 1, 'x')"),
                 {QString::fromUtf8(name)});

    asker.Yes();
    TidyDatabase(*db, asker, QStringLiteral("当前残缺"));
    EXPECT_TRUE(asker.AllAnswered());
    EXPECT_EQ(asker.questions, QStringList{StoreTexts::ConfirmDeleteFormat(QStringLiteral("残缺"))});
    EXPECT_EQ(asker.messages, QStringList{StoreTexts::kCurrentFormatNotDeletable});
    QStringList left;
    for (const char* sql : {"SELECT Fmt, count(*) FROM Fmt GROUP BY Fmt ORDER BY Fmt",
                            "SELECT Fmt, count(*) FROM 默认 GROUP BY Fmt ORDER BY Fmt"})
        for (const QVariantList& row : db->Query(QString::fromUtf8(sql)).rows)
            left << row[0].toString() + QLatin1Char('=') + row[1].toString();
    EXPECT_EQ(left, (QStringList{"=1", "完整=3", "当前残缺=1", "完整=1"}));
}

TEST_F(MaintenanceTest, CompactionKeepsTheDataShrinksTheFileAndLeavesABackup) {
    SaveComplete(QStringLiteral("留"), 50);
    for (int i = 0; i < 20; ++i) SaveComplete(QStringLiteral("删") + QString::number(i), 100);
    db->Exec(QStringLiteral("DELETE FROM Fmt WHERE Fmt LIKE '删%'"));
    db->Exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    const qint64 sizeBefore = QFileInfo(db->Path()).size();
    const qint64 highestId = Count(QStringLiteral("SELECT max(ID) FROM Fmt"));
    const QString before = Dump(*db);

    ASSERT_TRUE(TidyAndCompactDatabase(*db, asker, progress, QStringLiteral("留")));
    EXPECT_TRUE(asker.shown.isEmpty());
    EXPECT_EQ(Dump(*db), before);
    EXPECT_LT(QFileInfo(db->Path()).size(), sizeBefore / 4);
    EXPECT_EQ(TempFiles(), QStringList{QStringLiteral("backup.db")});

    // The kept connection goes on working, IDs are not reused, other processes get in.
    db->Exec(QStringLiteral("INSERT INTO Fmt(Fmt) VALUES('新')"));
    EXPECT_GT(db->LastInsertId(), highestId);
    std::unique_ptr<Database> other = Database::Open(db->Path());
    ASSERT_TRUE(other);
    EXPECT_TRUE(other->Exec(QStringLiteral("INSERT INTO 参数(Var) VALUES('另一进程')")));

    std::unique_ptr<Database> backup = Database::Open(DataFolder::TempPath() + QStringLiteral("/backup.db"));
    ASSERT_TRUE(backup);
    EXPECT_EQ(Dump(*backup), before);
}

TEST_F(MaintenanceTest, CompactionFailsSafelyWhenAnotherProcessHoldsTheLock) {
    SaveComplete(QStringLiteral("留"), 5);
    const QString before = Dump(*db);
    std::unique_ptr<Database> other = Database::Open(db->Path());
    {
        Database::Transaction holding(*other);
        EXPECT_FALSE(CompactDatabase(*db, asker, progress));
        holding.Commit();
    }
    ASSERT_EQ(asker.messages.size(), 1);
    EXPECT_TRUE(asker.messages[0].startsWith(QStringLiteral("数据库压缩失败（5")))
        << asker.messages[0].toStdString();
    EXPECT_TRUE(TempFiles().isEmpty());
    EXPECT_EQ(Dump(*db), before);
    EXPECT_TRUE(other->Exec(QStringLiteral("INSERT INTO 参数(Var) VALUES('x')")));
}

TEST_F(MaintenanceTest, CompactionOfAMissingFileSaysSo) {
    ASSERT_TRUE(QFile::remove(db->Path()));
    EXPECT_FALSE(CompactDatabase(*db, asker, progress));
    EXPECT_EQ(asker.messages, QStringList{StoreTexts::kNoDatabaseToCompact});
}
