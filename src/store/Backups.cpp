#include "store/Backups.h"

#include "store/BackupCheck.h"
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

void RemoveOldBackups(const QDate& today) {
    const QStringList files = BackupFiles(today);
    for (qsizetype i = kBackupsKept; i < files.size(); ++i) QFile::remove(files[i]);
}

// Moves the database file and its log aside; the index goes, it is rebuilt.
QString MoveAside(const QString& database) {
    if (!QFileInfo::exists(database)) return {};
    const QString stem = DataFolder::Path() + QStringLiteral("/DATA-damaged-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // A second restore within the same second must not find its name taken.
    QString aside = stem + kSuffix;
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = stem + QLatin1Char('-') + QString::number(n) + kSuffix;
    if (!QFile::rename(database, aside)) return {};
    QFile::rename(database + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(database + QStringLiteral("-shm"));
    return aside;
}

} // namespace

QString BackupFolder() { return DataFolder::Path() + QStringLiteral("/Backup"); }

QStringList BackupFiles(const QDate& today) {
    const QDir folder(BackupFolder());
    const QString todays = QFileInfo(BackupPathFor(today)).fileName();
    QStringList files, future;
    for (const QString& name :
         folder.entryList({kPrefix + QStringLiteral("????????") + kSuffix}, QDir::Files,
                          QDir::Name | QDir::Reversed))
        (name > todays ? future : files) << folder.filePath(name);
    // Names dated after today come from a clock that was once wrong: they are older
    // than anything made today, whatever they say.
    return files + future;
}

bool BackUpOncePerDay(Database& db, const QDate& today) {
    const QString target = BackupPathFor(today);
    if (QFileInfo::exists(target) || !QDir().mkpath(BackupFolder())) return QFileInfo::exists(target);
    // Two processes starting together: one makes the copy, the other goes on.
    QLockFile lock(BackupFolder() + QStringLiteral("/.lock"));
    if (!lock.tryLock(0)) return true;
    const QString part = target + QStringLiteral(".part");
    RemoveDatabaseFile(part);
    const bool copied = !ExportCopy(db, part) && IsStoreOfThisProgram(part)
                        && (QFile::remove(target) || !QFileInfo::exists(target))
                        && QFile::rename(part, target);
    RemoveDatabaseFile(part);
    if (copied) RemoveOldBackups(today);
    return copied;
}

RestoreOutcome RestoreBackup(const QString& backup) {
    RestoreOutcome outcome;
    const QString database = DataFolder::DatabasePath();
    // The backup is only read: the copy is checked, and complete before anything is moved.
    const QString part = database + QStringLiteral(".restoring");
    RemoveDatabaseFile(part);
    if (!QFileInfo(backup).isFile()) {
        outcome.problem = StoreTexts::BackupUnusable(backup);
        return outcome;
    }
    if (!QFile::copy(backup, part)) {
        outcome.problem = StoreTexts::RestoreFailed(StoreTexts::FolderUnusable(
            DataFolder::Path(), StoreTexts::kNotWritable));
        RemoveDatabaseFile(part);
        return outcome;
    }
    if (!QFile::setPermissions(part, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || !IsStoreOfThisProgram(part)) {
        outcome.problem = StoreTexts::BackupUnusable(backup);
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
