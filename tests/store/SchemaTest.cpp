#include "StoreFixture.h"

#include "store/DataFolder.h"

TEST(Schema, OlderFileGetsTheMissingColumnsWithZeroAndTheLastUseRow) {
    TempDataFolder folder;
    {
        std::unique_ptr<Database> old = Database::Open(DataFolder::DatabasePath());
        ASSERT_TRUE(old);
        ASSERT_TRUE(old->Exec(QStringLiteral(
            "CREATE TABLE Fmt(ID INTEGER PRIMARY KEY AUTOINCREMENT, Fmt TEXT, LBL TEXT, Clas INTEGER,"
            " X REAL, Y REAL, W REAL, H REAL, S REAL, L REAL, Color INTEGER, Mem TEXT, fName TEXT,"
            " fSize REAL, fBold INTEGER, fItalic INTEGER, fUnderline INTEGER, fStrikethru INTEGER,"
            " Dir INTEGER, Cash INTEGER, RCtl INTEGER)")));
        ASSERT_TRUE(old->Exec(QStringLiteral("CREATE TABLE 参数(Var TEXT, Con TEXT)")));
        for (int i = 0; i < 3; ++i)
            old->Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL, RCtl) VALUES('旧', ?, 7)"),
                      {QString::number(i)});
    }
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    for (const char* column : {"SumID", "SumID1", "RCtl1"}) {
        EXPECT_TRUE(db->ColumnExists(QStringLiteral("Fmt"), QString::fromLatin1(column)));
        EXPECT_EQ(db->Query(QStringLiteral("SELECT count(*) FROM Fmt WHERE Fmt='旧' AND %1=0")
                                .arg(QString::fromLatin1(column)))
                      .rows[0][0].toInt(),
                  3)
            << column;
    }
    EXPECT_TRUE(db->TableExists(QStringLiteral("映射")));
    EXPECT_FALSE(db->TableExists(QStringLiteral("映射 ")));
    EXPECT_EQ(db->Query(QStringLiteral("SELECT count(*) FROM Fmt WHERE Fmt=''")).rows[0][0].toInt(), 1);
    // A fractional sum link fits the widened column.
    db->Exec(QStringLiteral("UPDATE Fmt SET SumID=-5.25 WHERE LBL='0'"));
    EXPECT_DOUBLE_EQ(db->LookupWhere(QStringLiteral("Fmt"), QStringLiteral("LBL='0'"), {},
                                     QStringLiteral("SumID")).toDouble(),
                     -5.25);
    // Opening the upgraded file again changes nothing.
    const QString upgraded = Dump(*db);
    db.reset();
    db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(Dump(*db), upgraded);
    EXPECT_TRUE(upgraded.contains(QStringLiteral("AUTOINCREMENT")));
}
