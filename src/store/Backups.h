#pragma once
// Daily copies of the store in the data folder's Backup folder, named
// DATA-YYYYMMDD.db, the newest kBackupsKept kept, and bringing one back.
#include <QDate>
#include <QString>
#include <QStringList>

class Database;

inline constexpr int kBackupsKept = 7;

QString BackupFolder();
// The backups there, newest first; names dated after `today` count as the oldest.
QStringList BackupFiles(const QDate& today = QDate::currentDate());

// On the first open of a day: a verified copy as Backup/DATA-YYYYMMDD.db (written
// beside it, then renamed into place), then the oldest beyond kBackupsKept removed.
// A copy that cannot be made changes no existing backup. False when it failed.
bool BackUpOncePerDay(Database& db, const QDate& today = QDate::currentDate());

struct RestoreOutcome {
    bool restored = false;
    QString keptAs;  // where the replaced database file was moved; empty when none
    QString problem; // the message when not restored
};
// Puts a copy of `backup` in place of the data folder's database, once the copy has
// proved a store of this program (BackupCheck); `backup` itself is only read. The file it replaces
// is kept beside it (DATA-damaged-<time>.db), never deleted. Nothing may have the
// database open meanwhile.
RestoreOutcome RestoreBackup(const QString& backup);
