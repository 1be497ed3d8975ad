#include "store/DataFolderCheck.h"

#include "store/StoreTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A new database needs a few pages, a log and its index: less room than this is full.
constexpr qint64 kProbeBytes = 64 * 1024;

QString ReasonOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return StoreTexts::kNotWritable;
    case EROFS: return StoreTexts::kReadOnlyFileSystem;
    case ENOSPC:
    case EDQUOT: return StoreTexts::kFolderDiskFull;
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Makes and removes a probe file with room reserved for its blocks: the only sure
// test of permissions, read-only mounts and a full disk (quotas included). Reserving
// the blocks finds a full disk at once, with no flush to the disk. Empty when it could.
QString ProbeWrite(const QString& folder) {
    const QByteArray path =
        QFile::encodeName(folder + QStringLiteral("/.probe-") + QString::number(getpid()));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return ReasonOf(errno);
    const int error = ::posix_fallocate(fd, 0, kProbeBytes);
    ::close(fd);
    ::unlink(path.constData());
    return error == 0 ? QString() : ReasonOf(error);
}

// The same questions asked of the file system without writing: permission (a read-only
// mount answers as such) and the room left to this user. Enough for a store that is
// already there, which every command opens: making and removing a file on each start
// cost more than reading the store, and a write a full quota refuses later is still
// reported as a full disk.
QString AskWrite(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::access(path.constData(), W_OK) != 0) return ReasonOf(errno);
    struct statvfs fs {};
    if (::statvfs(path.constData(), &fs) != 0) return {};
    if (fs.f_flag & ST_RDONLY) return ReasonOf(EROFS);
    const auto freeBlocks = ::geteuid() == 0 ? fs.f_bfree : fs.f_bavail;
    return qint64(freeBlocks) * qint64(fs.f_frsize) < kProbeBytes ? ReasonOf(ENOSPC) : QString();
}

// A side file left read-only (by a session that had no write access) would keep the
// database unopenable although the folder is writable again.
bool MakeWritable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isWritable()) return true;
    return QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner)
           && QFileInfo(path).isWritable();
}

} // namespace

QString DataFolderProblem(const QString& folder, const QString& databasePath) {
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return StoreTexts::FolderUnusable(folder, StoreTexts::kIsAFile);
    if (!info.exists() && !QDir().mkpath(folder))
        return StoreTexts::FolderUnusable(folder, StoreTexts::kCannotCreate);
    const QString reason = QFileInfo::exists(databasePath) ? AskWrite(folder) : ProbeWrite(folder);
    if (!reason.isEmpty())
        return StoreTexts::FolderUnusable(folder, reason);
    if (!MakeWritable(databasePath) || !MakeWritable(databasePath + QStringLiteral("-wal")))
        return StoreTexts::FolderUnusable(folder, StoreTexts::kDatabaseReadOnly);
    return {};
}
