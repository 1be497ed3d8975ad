#include "store/Schema.h"

#include "store/Database.h"
#include "store/ServerSchema.h"

#include <QStringList>

namespace {

// Column types: texts (short and long) are TEXT, measures and codes REAL, whole
// numbers and flags INTEGER. ID keeps AUTOINCREMENT so a deleted box's ID is never reused
// by a new box while history and defaults still name it.
const QStringList kCreateTables = {
    QStringLiteral(
        "CREATE TABLE IF NOT EXISTS Fmt(ID INTEGER PRIMARY KEY AUTOINCREMENT, Fmt TEXT, LBL TEXT,"
        " Clas INTEGER DEFAULT 0, X REAL DEFAULT 0, Y REAL DEFAULT 0, W REAL DEFAULT 0,"
        " H REAL DEFAULT 0, S REAL DEFAULT 0, L REAL DEFAULT 0, Color INTEGER DEFAULT 0, Mem TEXT,"
        " fName TEXT, fSize REAL DEFAULT 0, fBold INTEGER DEFAULT 0, fItalic INTEGER DEFAULT 0,"
        " fUnderline INTEGER DEFAULT 0, fStrikethru INTEGER DEFAULT 0, Dir INTEGER DEFAULT 0,"
        " Cash REAL DEFAULT 0, RCtl REAL DEFAULT 0, SumID REAL DEFAULT 0, SumID1 REAL DEFAULT 0,"
        " RCtl1 INTEGER DEFAULT 0)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 历史(ID INTEGER, Fmt TEXT, CID INTEGER, Con TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 默认(Fmt TEXT, ID INTEGER, Con TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 参数(Var TEXT, Con TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 映射(ID INTEGER, Fmt TEXT, Map TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 网站格式(ID INTEGER, Clas TEXT, Name TEXT, Dat TEXT,"
                   " fPath TEXT, pPath TEXT)"),
};

} // namespace

// Every lookup of the program goes by format name, bill number, box ID or key.
const QStringList kCreateIndexes = {
    QStringLiteral("CREATE INDEX IF NOT EXISTS Fmt_Fmt ON Fmt(Fmt)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS 历史_Fmt ON 历史(Fmt, ID)"),
    // A box's newest value (numbering), and its bills by value (linked boxes and
    // autocompletion), without reading the rest of the format's history.
    QStringLiteral("CREATE INDEX IF NOT EXISTS 历史_FmtCid ON 历史(Fmt, CID, ID)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS 历史_FmtCidCon ON 历史(Fmt, CID, Con, ID)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS 默认_Fmt ON 默认(Fmt, ID)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS 参数_Var ON 参数(Var)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS 映射_Fmt ON 映射(Fmt, ID)"),
};

namespace {
// Indexes of older layouts that no lookup uses. 历史_CID (the box alone): every lookup
// of the history names the format first, so the index only cost each printed box one
// more page to write.
const QStringList kDropIndexes = {
    QStringLiteral("DROP INDEX IF EXISTS 历史_CID"),
};
} // namespace

bool RunAll(Database& db, const QStringList& statements) {
    for (const QString& sql : statements)
        if (!db.Exec(sql)) return false;
    return true;
}

bool EnsureLastUseRow(Database& db) {
    if (!db.Query(QStringLiteral("SELECT 1 FROM Fmt WHERE Fmt='' LIMIT 1")).Empty()) return true;
    return db.Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL, fName) VALUES('', '', '')"));
}

bool UpgradeSchema(Database& db) {
    if (db.IsServer()) return UpgradeServerSchema(db);
    if (db.SchemaVersion() == kSchemaVersion) return true;
    Database::Transaction transaction(db);
    // Read again under the write lock: another process may have just upgraded it.
    const int version = db.SchemaVersion();
    if (version < 0) return false;
    // A newer program's file is left as it is.
    if (version >= kSchemaVersion) return transaction.Commit();
    // Files of an older layout may hold Cash, RCtl, SumID and SumID1 as whole numbers;
    // a REAL column takes fractions either way, so only the missing columns are added.
    const bool ok = RunAll(db, kCreateTables)
                    && db.AddColumnIfMissing(QStringLiteral("Fmt"), QStringLiteral("SumID"),
                                             QStringLiteral("REAL"))
                    && db.AddColumnIfMissing(QStringLiteral("Fmt"), QStringLiteral("SumID1"),
                                             QStringLiteral("REAL"))
                    && db.AddColumnIfMissing(QStringLiteral("Fmt"), QStringLiteral("RCtl1"),
                                             QStringLiteral("INTEGER"))
                    && RunAll(db, kCreateIndexes) && RunAll(db, kDropIndexes) && EnsureLastUseRow(db)
                    && db.SetSchemaVersion(kSchemaVersion);
    return ok && transaction.Commit();
}
