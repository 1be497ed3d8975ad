#include "store/BackupCheck.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QFileInfo>

namespace {

// Every table the program reads, with a column each must have.
const std::pair<const char16_t*, const char16_t*> kTables[] = {
    {u"Fmt", u"LBL"}, {u"历史", u"Con"}, {u"默认", u"Con"}, {u"参数", u"Var"}, {u"映射", u"Map"},
};

bool HasTables(Database& db) {
    for (const auto& [table, column] : kTables)
        if (!db.ColumnExists(QString::fromUtf16(table), QString::fromUtf16(column))) return false;
    return true;
}

bool KnownVersion(Database& db) {
    const QueryResult result = db.Query(QStringLiteral("PRAGMA user_version"));
    if (result.failed || result.Empty()) return false;
    const int version = result.rows.first().value(0).toInt();
    return version >= 1 && version <= kSchemaVersion;
}

} // namespace

bool IsStoreOfThisProgram(const QString& copyPath) {
    const QFileInfo info(copyPath);
    if (!info.isFile() || info.size() == 0) return false;
    const std::unique_ptr<Database> db = Database::Open(copyPath);
    return db && KnownVersion(*db) && HasTables(*db) && db->CheckIntegrity();
}
