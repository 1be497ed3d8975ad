#pragma once
// "压缩整理数据库": tidying orphaned rows and compacting the database file.
#include <QString>

class Asker;
class Database;
class Progress;

// Deletes, through DeleteFormat (which asks for each and refuses the current
// format), every format that has rows but no page parameters, and the default
// records of formats that no longer exist.
void TidyDatabase(Database& db, Asker& asker, const QString& currentFormat);

// Compacts the open database: an optional page copy "backup.db" in the Temp folder,
// a compacted, verified copy "TEMP.db" there, which then replaces the contents in
// one transaction through the open connection (so it stays usable, and a crash
// leaves the old contents or the new). Other processes are locked out meanwhile.
// TEMP.db is removed in every case. False, with the message shown, on failure.
bool CompactDatabase(Database& db, Asker& asker, Progress& progress, bool backup = true);

// The menu command: TidyDatabase, then CompactDatabase with a backup.
bool TidyAndCompactDatabase(Database& db, Asker& asker, Progress& progress,
                            const QString& currentFormat);
