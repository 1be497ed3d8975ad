#include "store/LoginDelay.h"

#include <QFile>
#include <QSaveFile>
#include <QThread>

#include <algorithm>

namespace {
constexpr int kFirstDelayMs = 500;
constexpr int kLongestDelayMs = 30000;

QString FailuresPath(const QString& storePath) { return storePath + QStringLiteral(".failures"); }

int RecordedFailures(const QString& storePath) {
    QFile file(FailuresPath(storePath));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return std::max(0, file.read(16).trimmed().toInt());
}
} // namespace

int LoginDelayMs(int failures) {
    if (failures <= 0) return 0;
    // Doubling from the first wait; past 2^6 it is the longest wait anyway.
    const qint64 delay = qint64(kFirstDelayMs) << std::min(failures - 1, 6);
    return int(std::min<qint64>(delay, kLongestDelayMs));
}

void WaitForLoginTurn(const QString& storePath) {
    if (const int delay = LoginDelayMs(RecordedFailures(storePath)); delay > 0) QThread::msleep(delay);
}

void NoteLoginOutcome(const QString& storePath, bool succeeded) {
    if (succeeded) {
        QFile::remove(FailuresPath(storePath));
        return;
    }
    QSaveFile file(FailuresPath(storePath));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::number(RecordedFailures(storePath) + 1));
        file.commit();
    }
}
