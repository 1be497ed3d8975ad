#pragma once
// A compacted, encrypted copy of the open database in another file: compaction works
// on one, the daily backup is one.
#include <QString>
#include <optional>

class Database;
struct sqlite3;

// SQLite's code and text of a failed step.
struct SqlFailure {
    int code = 0;
    QString text;
};
SqlFailure FailureOf(sqlite3* db);

// Writes every table, index and the layout version into a new file at `path` (which
// must not exist), with the same key. nullopt on success.
std::optional<SqlFailure> ExportCopy(Database& db, const QString& path);

// Removes a database file and its side files.
void RemoveDatabaseFile(const QString& path);
