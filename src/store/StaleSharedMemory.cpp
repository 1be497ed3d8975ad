#include "store/StaleSharedMemory.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Every connection with the index open holds a read lock on this byte (SQLite's
// "dead man switch"); nobody does once the last one is gone.
constexpr off_t kDeadManSwitchByte = 128;

bool InUseByAnotherProcess(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = kDeadManSwitchByte;
    probe.l_len = 1;
    const bool locked = ::fcntl(fd, F_GETLK, &probe) != 0 || probe.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

} // namespace

bool RecoverStaleSharedMemory(const QString& databasePath) {
    const QString shm = databasePath + QStringLiteral("-shm");
    const QFileInfo info(shm);
    if (!info.exists() || info.isWritable()) return true;
    if (InUseByAnotherProcess(shm)) return false;
    if (QFile::setPermissions(shm, info.permissions() | QFileDevice::WriteOwner)
        && QFileInfo(shm).isWritable())
        return true;
    return QFile::remove(shm);
}
