#include "store/BackgroundPictures.h"

#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString g_seatCopies; // the folder name of the server's copies; empty on the file store

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Written whole beside its place first, so a half-written picture never takes the name.
bool WriteFileWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool RemoveFile(const QString& path) { return !QFile::exists(path) || QFile::remove(path); }

QString Md5Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

} // namespace

void UseSeatPictureCopies(const QString& serverDescription) {
    g_seatCopies = serverDescription.isEmpty() ? QString() : Md5Hex(serverDescription.toUtf8()).left(16);
}

QString BackgroundPictureFolder() {
    if (g_seatCopies.isEmpty()) return DataFolder::Path();
    const QString folder = DataFolder::Path() + QStringLiteral("/底图副本/") + g_seatCopies;
    QDir().mkpath(folder);
    return folder;
}

QString PictureFileName(const QString& formatName) {
    static const QString kForbidden = QStringLiteral("*?<>/\\:|\"");
    QString file = formatName;
    for (QChar& c : file) {
        const qsizetype index = kForbidden.indexOf(c);
        if (index >= 0) c = QChar(char16_t(u'0' + index));
    }
    return file + QStringLiteral(".jpg");
}

QString BackgroundPictures::FileOf(const QString& formatName) const {
    // The file store's pictures lie beside its database file, whichever data folder
    // this process names (a store copy has two stores open).
    if (!db_.IsServer()) return QFileInfo(db_.Path()).absolutePath() + QLatin1Char('/') + PictureFileName(formatName);
    return BackgroundPicturePath(formatName);
}

bool BackgroundPictures::Exists(const QString& formatName) {
    if (!db_.IsServer()) return QFile::exists(FileOf(formatName));
    return !db_.Query(QStringLiteral("SELECT 1 FROM 底图 WHERE Fmt=?"), {formatName}).Empty();
}

QByteArray BackgroundPictures::Read(const QString& formatName) {
    if (!db_.IsServer()) return FileBytes(FileOf(formatName));
    const QueryResult result = db_.Query(QStringLiteral("SELECT Pic FROM 底图 WHERE Fmt=?"), {formatName});
    return result.Empty() ? QByteArray() : result.rows.first().value(0).toByteArray();
}

bool BackgroundPictures::Write(const QString& formatName, const QByteArray& jpeg) {
    if (!db_.IsServer()) return WriteFileWhole(FileOf(formatName), jpeg);
    Database::Transaction transaction(db_);
    return db_.Exec(QStringLiteral("DELETE FROM 底图 WHERE Fmt=?"), {formatName})
           && db_.Exec(QStringLiteral("INSERT INTO 底图(Fmt, Kind, Pic) VALUES(?, 'jpg', ?)"), {formatName, jpeg})
           && transaction.Commit();
}

bool BackgroundPictures::Remove(const QString& formatName) {
    if (!db_.IsServer()) return RemoveFile(FileOf(formatName));
    return db_.Exec(QStringLiteral("DELETE FROM 底图 WHERE Fmt=?"), {formatName});
}

bool BackgroundPictures::Rename(const QString& oldName, const QString& newName) {
    if (db_.IsServer())
        return db_.Exec(QStringLiteral("DELETE FROM 底图 WHERE Fmt=?"), {newName})
               && db_.Exec(QStringLiteral("UPDATE 底图 SET Fmt=? WHERE Fmt=?"), {newName, oldName});
    const QString oldFile = FileOf(oldName);
    const QString newFile = FileOf(newName);
    // Two names can share a file name ("a:b" and "a6b"); then nothing moves.
    return oldFile == newFile || !QFile::exists(oldFile) || QFile::rename(oldFile, newFile);
}

void BackgroundPictures::UndoRename(const QString& oldName, const QString& newName) {
    // The server's rename was a row of the transaction that did not commit.
    if (db_.IsServer()) return;
    const QString oldFile = FileOf(oldName);
    const QString newFile = FileOf(newName);
    if (oldFile != newFile && !QFile::exists(oldFile)) QFile::rename(newFile, oldFile);
}

bool BackgroundPictures::InTheWayOfRename(const QString& oldName, const QString& newName) {
    const QString oldFile = FileOf(oldName);
    const QString newFile = FileOf(newName);
    return !db_.IsServer() && oldFile != newFile && QFile::exists(oldFile) && QFile::exists(newFile);
}

bool BackgroundPictures::ForgetWithFormat(const QString& formatName) {
    return !db_.IsServer() || Remove(formatName);
}

bool BackgroundPictures::ForgetAll() {
    return !db_.IsServer() || db_.Exec(QStringLiteral("DELETE FROM 底图"));
}

bool BackgroundPictures::InDatabase() const { return db_.IsServer(); }

QString BackgroundPictures::Fetch(const QString& formatName) {
    const QString copy = FileOf(formatName);
    if (db_.IsServer()) {
        const QueryResult stored =
            db_.Query(QStringLiteral("SELECT md5(Pic) FROM 底图 WHERE Fmt=?"), {formatName});
        // A server away leaves the seat's last copy in use.
        if (stored.failed) return QFile::exists(copy) ? copy : QString();
        if (stored.Empty()) {
            RemoveFile(copy);
            return {};
        }
        // Only a changed picture crosses the network again.
        if (stored.rows.first().value(0).toString() != Md5Hex(FileBytes(copy))
            && !WriteFileWhole(copy, Read(formatName)))
            return {};
    }
    return QFile::exists(copy) ? copy : QString();
}

bool BackgroundPictures::Publish(const QString& formatName) {
    if (!db_.IsServer()) return true;
    const QString copy = FileOf(formatName);
    const bool published = QFile::exists(copy) ? Write(formatName, FileBytes(copy)) : Remove(formatName);
    // Refused (a clerk's seat): the seat's copy goes back to what the database holds.
    if (!published) Fetch(formatName);
    return published;
}
