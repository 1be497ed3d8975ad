#include "store/DatabaseCopy.h"

#include "store/Database.h"
#include "store/DatabaseKey.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>

SqlFailure FailureOf(sqlite3* db) {
    return {sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))};
}

std::optional<SqlFailure> ExportCopy(Database& db, const QString& path) {
    if (!db.Exec(QStringLiteral("ATTACH DATABASE ? AS copied KEY ?"), {path, QString::fromLatin1(StoreKeyText())}))
        return FailureOf(db.Handle());
    // sqlcipher_export copies schema, rows and sqlite_sequence, not the header's
    // layout version.
    const QueryResult version = db.Query(QStringLiteral("PRAGMA user_version"));
    std::optional<SqlFailure> failure;
    db.Query(QStringLiteral("SELECT sqlcipher_export('copied')"));
    if (version.failed || !db.LastError().isEmpty()
        || !db.Exec(QStringLiteral("PRAGMA copied.user_version=%1")
                        .arg(version.rows.value(0).value(0).toInt())))
        failure = FailureOf(db.Handle());
    db.Exec(QStringLiteral("DETACH DATABASE copied"));
    return failure;
}

void RemoveDatabaseFile(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QString::fromLatin1(suffix));
}
