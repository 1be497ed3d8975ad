#include "formatfile/TextFiles.h"

#include "formatfile/AnsiText.h"
#include "formatfile/FormatFileTexts.h"
#include "core/Asker.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr int kSaveAttempts = 31;
constexpr int kReadAttempts = 100;

// Lets whatever holds the file (and the window) get on between attempts.
void Yield() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

bool WriteBytes(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

bool WriteTextFile(const QString& text, const QString& path) {
    return WriteBytes(EncodeAnsi(text), path);
}

QString SaveTextFile(const QString& text, const QString& path) {
    const QByteArray bytes = EncodeAnsi(text);
    QString target = path;
    for (int attempt = 1; attempt <= kSaveAttempts; ++attempt) {
        if (attempt == 11 || attempt == 21) target += QLatin1Char('1');
        if (WriteBytes(bytes, target)) return target;
        Yield();
    }
    return {};
}

QByteArray ReadTextFile(const QString& path, bool deleteAfterReading, Asker& asker) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        Yield();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.readAll();
        file.close();
        if (!bytes.isEmpty() && deleteAfterReading) QFile::remove(path);
        return bytes;
    }
    asker.Message(FormatFileTexts::CannotOpen(path));
    return {};
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) { return WriteBytes(bytes, path); }
