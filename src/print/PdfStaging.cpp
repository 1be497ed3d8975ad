#include "print/PdfStaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <string_view>

namespace {

const QString kMark = QStringLiteral(".vellumark-");
const QString kSuffix = QStringLiteral(".part");

// The owner's process id of a staging file name; 0 when it is not one.
qint64 OwnerOf(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.vellumark-(\\d+)-[0-9a-z]+\\.part$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

// kill with no signal only asks whether the process exists; EPERM means it does.
bool Runs(qint64 pid) { return ::kill(pid_t(pid), 0) == 0 || errno == EPERM; }

} // namespace

QString NewStagingName(const QString& folder, const QString& targetName) {
    const QString stem = folder + QStringLiteral("/.") + targetName + kMark
                         + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    QString name;
    do name = stem + QString::number(QRandomGenerator::global()->generate64(), 36) + kSuffix;
    while (QFileInfo::exists(name));
    return name;
}

int RemoveStaleStaging(const QString& folder) {
    // The folder may hold many thousands of finished files (a PDF per bill): the names
    // are read as bytes and only hidden ones that carry the mark are looked at further.
    // Matching every name with Qt's filters cost a print a millisecond per thousand files.
    const QByteArray mark = kMark.toLatin1(), suffix = kSuffix.toLatin1();
    QStringList candidates;
    if (DIR* listing = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(listing)) {
            const std::string_view name(entry->d_name);
            if (name.front() == '.' && entry->d_type != DT_DIR && name.ends_with(suffix.constData())
                && name.find(mark.constData()) != std::string_view::npos)
                candidates << QFile::decodeName(entry->d_name);
        }
        ::closedir(listing);
    }
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : candidates) {
        const qint64 owner = OwnerOf(name);
        if (owner > 0 && !Runs(owner) && QFile::remove(dir.filePath(name))) ++removed;
    }
    return removed;
}
