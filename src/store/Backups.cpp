#include "store/Backups.h"

#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DatabaseCopy.h"
#include "store/StoreTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString kPrefix = QStringLiteral("DATA-");
const QString kSuffix = QStringLiteral(".db");

QString BackupPathFor(const QDate& day) {
    return BackupFolder() + QLatin1Char('/') + kPrefix + day.toString(QStringLiteral("yyyyMMdd"))
           + kSuffix;
}

void RemoveOldBackups() {
    const QStringList files = BackupFiles();
    for (qsizetype i = kBackupsKept; i < files.size(); ++i) QFile::remove(files[i]);
}

// Moves the database file and its log aside; the index goes, it is rebuilt.
QString MoveAside(const QString& database) {
    if (!QFileInfo::exists(database)) return {};
    const QString aside = DataFolder::Path() + QStringLiteral("/DATA-damaged-")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))
                          + kSuffix;
    if (!QFile::rename(database, aside)) return {};
    QFile::rename(database + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(database + QStringLiteral("-shm"));
    return aside;
}

} // namespace

QString BackupFolder() { return DataFolder::Path() + QStringLiteral("/Backup"); }

QStringList BackupFiles() {
    const QDir folder(BackupFolder());
    QStringList files;
    for (const QString& name :
         folder.entryList({kPrefix + QStringLiteral("????????") + kSuffix}, QDir::Files,
                          QDir::Name | QDir::Reversed))
        files << folder.filePath(name);
    return files;
}

bool BackUpOncePerDay(Database& db, const QDate& today) {
    const QString target = BackupPathFor(today);
    if (QFileInfo::exists(target) || !QDir().mkpath(BackupFolder())) return QFileInfo::exists(target);
    // Two processes starting together: one makes the copy, the other goes on.
    QLockFile lock(BackupFolder() + QStringLiteral("/.lock"));
    if (!lock.tryLock(0)) return true;
    const QString part = target + QStringLiteral(".part");
    RemoveDatabaseFile(part);
    const bool copied = !ExportCopy(db, part) && IsSoundDatabase(part)
                        && (QFile::remove(target) || !QFileInfo::exists(target))
                        && QFile::rename(part, target);
    RemoveDatabaseFile(part);
    if (copied) RemoveOldBackups();
    return copied;
}

bool IsSoundDatabase(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    // A backup from before the raw key is read as it is: the file given is not written.
    std::unique_ptr<Database> copy = Database::Open(path, nullptr, nullptr, Database::OldKey::Keep);
    return copy && copy->CheckIntegrity();
}

RestoreOutcome RestoreBackup(const QString& backup) {
    RestoreOutcome outcome;
    if (!IsSoundDatabase(backup)) {
        outcome.problem = StoreTexts::BackupUnusable(backup);
        return outcome;
    }
    const QString database = DataFolder::DatabasePath();
    // The copy is complete before anything is moved.
    const QString part = database + QStringLiteral(".restoring");
    RemoveDatabaseFile(part);
    if (!QFile::copy(backup, part)) {
        outcome.problem = StoreTexts::RestoreFailed(StoreTexts::FolderUnusable(
            DataFolder::Path(), StoreTexts::kNotWritable));
        RemoveDatabaseFile(part);
        return outcome;
    }
    outcome.keptAs = MoveAside(database);
    if (QFileInfo::exists(database) || !QFile::rename(part, database)) {
        outcome.problem = StoreTexts::RestoreFailed(database);
        RemoveDatabaseFile(part);
        return outcome;
    }
    QFile::remove(Database::CheckMarkPath(database));
    outcome.restored = true;
    return outcome;
}
