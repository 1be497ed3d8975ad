#include "store/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString& OverridePath() {
    static QString path;
    return path;
}
} // namespace

namespace DataFolder {

void SetOverride(const QString& path) { OverridePath() = path; }

QString Path() {
    QString path = OverridePath();
    if (path.isEmpty()) path = qEnvironmentVariable("VELLUMARK_HOME");
    if (path.isEmpty()) path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(path);
    return QDir(path).absolutePath();
}

bool IsExplicit() {
    return !OverridePath().isEmpty() || !qEnvironmentVariableIsEmpty("VELLUMARK_HOME");
}

QString DatabasePath() { return Path() + QStringLiteral("/DATA.db"); }

QString TempPath() {
    EnsureSubfolder(QStringLiteral("Temp"));
    return Path() + QStringLiteral("/Temp");
}

bool EnsureSubfolder(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return true;
    return QDir().mkpath(Path() + QLatin1Char('/') + trimmed);
}

} // namespace DataFolder
