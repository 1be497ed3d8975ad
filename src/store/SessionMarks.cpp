#include "store/SessionMarks.h"

#include "store/DataFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLockFile>

namespace {

const QString kSuffix = QStringLiteral(".session");

QString MarksFolder() {
    const QString folder = DataFolder::TempPath() + QStringLiteral("/Sessions");
    QDir().mkpath(folder);
    return folder;
}

std::shared_ptr<QLockFile> LockFileAt(const QString& path) {
    auto lock = std::make_shared<QLockFile>(path);
    lock->setStaleLockTime(0); // only a process that is gone leaves a stale mark
    return lock;
}

} // namespace

EndedSessionMarks TakeEndedSessionMarks() {
    EndedSessionMarks ended;
    const QDir folder(MarksFolder());
    for (const QString& name : folder.entryList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
        std::shared_ptr<QLockFile> mark = LockFileAt(folder.filePath(name));
        // A live session keeps its mark locked; a gone one's is taken over.
        if (mark->tryLock(0)) ended.append(std::move(mark));
    }
    return ended;
}

std::shared_ptr<QLockFile> MarkSessionOpen() {
    // A name of its own: a later process with the same ID must not take it for its own.
    static int opened = 0;
    const QString name = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')
                         + QString::number(QDateTime::currentMSecsSinceEpoch(), 36)
                         + QLatin1Char('-') + QString::number(++opened) + kSuffix;
    std::shared_ptr<QLockFile> mark = LockFileAt(MarksFolder() + QLatin1Char('/') + name);
    return mark->tryLock(0) ? mark : nullptr;
}
