#include "store/SessionMarks.h"

#include "store/DataFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString kSuffix = QStringLiteral(".session");
// A mark while it is made: a name that no process looks for.
const QString kBuildingSuffix = QStringLiteral(".session-new");

QString MarksFolder() {
    const QString folder = DataFolder::TempPath() + QStringLiteral("/Sessions");
    QDir().mkpath(folder);
    return folder;
}

// The open, locked file at `path`; -1 when it cannot be opened or another process
// holds its lock.
int OpenLocked(const QByteArray& path, int flags) {
    const int fd = ::open(path.constData(), flags | O_RDWR | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

} // namespace

SessionMark::~SessionMark() {
    ::unlink(path_.constData());
    ::close(fd_);
}

EndedSessionMarks TakeEndedSessionMarks() {
    EndedSessionMarks ended;
    const QDir folder(MarksFolder());
    for (const QString& name : folder.entryList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
        // A live session keeps its mark locked; a gone one's lock went with it.
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        if (const int fd = OpenLocked(path, 0); fd >= 0) ended.append(std::make_shared<SessionMark>(fd, path));
    }
    return ended;
}

std::shared_ptr<SessionMark> MarkSessionOpen() {
    // A name of its own: a later process with the same ID must not take it for its own.
    static int opened = 0;
    const QString stem = MarksFolder() + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid())
                         + QLatin1Char('-') + QString::number(QDateTime::currentMSecsSinceEpoch(), 36)
                         + QLatin1Char('-') + QString::number(++opened);
    // Locked before it gets its name, so no process ever finds it unlocked while this
    // session lives.
    const QByteArray building = QFile::encodeName(stem + kBuildingSuffix);
    const QByteArray path = QFile::encodeName(stem + kSuffix);
    const int fd = OpenLocked(building, O_CREAT | O_EXCL);
    if (fd < 0) return nullptr;
    if (::rename(building.constData(), path.constData()) != 0) {
        ::unlink(building.constData());
        ::close(fd);
        return nullptr;
    }
    return std::make_shared<SessionMark>(fd, path);
}
