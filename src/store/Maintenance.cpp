#include "store/Maintenance.h"

#include "core/Asker.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DatabaseCopy.h"
#include "store/FormatOperations.h"
#include "store/FormatStore.h"
#include "core/Progress.h"
#include "store/StoreTexts.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QSet>
#include <optional>

namespace {

QStringList DistinctFormats(Database& db, const QString& table) {
    const QueryResult result =
        db.Query(QStringLiteral("SELECT Fmt FROM %1 GROUP BY Fmt").arg(table));
    QStringList names;
    for (const QVariantList& row : result.rows) {
        const QString name = row.value(0).toString();
        if (!name.isEmpty()) names << name;
    }
    return names;
}

// Copies every page of `from` into `to` in one step: an exact copy for the backup,
// and the replacement of the contents by the compacted copy.
std::optional<SqlFailure> CopyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) return FailureOf(to);
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) return FailureOf(to);
    return std::nullopt;
}

std::optional<SqlFailure> WriteBackup(Database& db, const QString& path) {
    RemoveDatabaseFile(path);
    std::unique_ptr<Database> backup = Database::Open(path);
    if (!backup) return SqlFailure{SQLITE_CANTOPEN, StoreTexts::kNoConnection};
    return CopyPages(db.Handle(), backup->Handle());
}

// The compacted copy must read, pass the integrity check and hold every row.
std::optional<SqlFailure> Verify(Database& db, Database& copy) {
    const QueryResult check = copy.Query(QStringLiteral("PRAGMA integrity_check"));
    if (check.Empty() || check.rows.first().value(0).toString() != QLatin1String("ok"))
        return SqlFailure{SQLITE_CORRUPT, check.rows.value(0).value(0).toString()};
    const QueryResult tables =
        db.Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    for (const QVariantList& row : tables.rows) {
        const QString count = QStringLiteral("SELECT count(*) FROM \"%1\"")
                                  .arg(row.value(0).toString().replace(QLatin1Char('"'),
                                                                       QStringLiteral("\"\"")));
        if (db.Query(count).rows.value(0) != copy.Query(count).rows.value(0))
            return SqlFailure{SQLITE_CORRUPT, row.value(0).toString()};
    }
    return std::nullopt;
}

// Keeps other processes out from the copy until the replacement, so nothing they
// write can be lost between the two; lets them in again at the end.
class ExclusiveUse {
public:
    explicit ExclusiveUse(Database& db) : db_(db) {
        db_.Exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        // The lock is taken by the first write transaction and then kept.
        acquired_ = db_.Exec(QStringLiteral("BEGIN IMMEDIATE")) && db_.Exec(QStringLiteral("COMMIT"));
        if (!acquired_) failure_ = FailureOf(db_.Handle());
    }
    ~ExclusiveUse() {
        db_.Exec(QStringLiteral("PRAGMA locking_mode=NORMAL"));
        // The lock is given up at the next access.
        db_.Query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    }
    bool Acquired() const { return acquired_; }
    SqlFailure LockFailure() const { return failure_; }

private:
    Database& db_;
    bool acquired_ = false;
    SqlFailure failure_;
};

std::optional<SqlFailure> CompactInto(Database& db, const QString& tempPath,
                                   ProgressScope& progress) {
    RemoveDatabaseFile(tempPath);
    if (std::optional<SqlFailure> failure = ExportCopy(db, tempPath)) return failure;
    std::unique_ptr<Database> copy = Database::Open(tempPath);
    if (!copy) return SqlFailure{SQLITE_CANTOPEN, StoreTexts::kNoConnection};
    if (std::optional<SqlFailure> failure = Verify(db, *copy)) return failure;
    progress.Step();
    if (std::optional<SqlFailure> failure = CopyPages(copy->Handle(), db.Handle())) return failure;
    // Moves the new pages from the log into the file, so the file shrinks now.
    db.Exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return std::nullopt;
}

} // namespace

void TidyDatabase(Database& db, Asker& asker, const QString& currentFormat) {
    FormatStore store(db);
    const QStringList formats = DistinctFormats(db, QStringLiteral("Fmt"));
    const QStringList defaults = DistinctFormats(db, QStringLiteral("默认"));
    const QStringList names = store.FormatNames();
    const QSet<QString> complete(names.begin(), names.end());
    for (const QString& name : formats)
        if (!complete.contains(name)) DeleteFormat(store, asker, name, currentFormat);
    for (const QString& name : defaults)
        if (!complete.contains(name))
            db.Exec(QStringLiteral("DELETE FROM 默认 WHERE Fmt=?"), {name});
}

bool CompactDatabase(Database& db, Asker& asker, Progress& progress, bool backup) {
    if (!QFile::exists(db.Path())) {
        asker.Message(StoreTexts::kNoDatabaseToCompact);
        return false;
    }
    const QString tempFolder = DataFolder::TempPath();
    const QString tempPath = tempFolder + QStringLiteral("/TEMP.db");
    std::optional<SqlFailure> failure;
    {
        ProgressScope scope(progress, StoreTexts::kCompacting, 3);
        ExclusiveUse exclusive(db);
        if (!exclusive.Acquired()) failure = exclusive.LockFailure();
        if (!failure && backup) failure = WriteBackup(db, tempFolder + QStringLiteral("/backup.db"));
        if (!failure) {
            scope.Step();
            failure = CompactInto(db, tempPath, scope);
        }
        if (!failure) scope.Step();
    }
    RemoveDatabaseFile(tempPath);
    if (failure) asker.Message(StoreTexts::CompactionFailed(failure->code, failure->text));
    return !failure;
}

bool TidyAndCompactDatabase(Database& db, Asker& asker, Progress& progress,
                            const QString& currentFormat) {
    TidyDatabase(db, asker, currentFormat);
    return CompactDatabase(db, asker, progress, true);
}
