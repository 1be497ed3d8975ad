#include "app/FileDialogs.h"

#include "store/DataFolder.h"
#include "store/ParamStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSettingsApp = QStringLiteral("QMX");
const QString kSection = QStringLiteral("FileDialog");
const QString kLastFolderKey = QStringLiteral("LastFolder");

// Qt's dialog writes its state through the per-user settings path; pointed into the
// data folder's settings, nothing of it lands in the user's own configuration.
void KeepDialogStateWithTheDataFolder() {
    if (DataFolder::IsExplicit())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           DataFolder::Path() + QStringLiteral("/Settings"));
}

QString StartFolder() {
    const QString last = ReadSetting(kSettingsApp, kSection, kLastFolderKey, QString());
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString Chosen(const QString& path) {
    if (!path.isEmpty())
        WriteSetting(kSettingsApp, kSection, kLastFolderKey, QFileInfo(path).absolutePath());
    return path;
}

// The patterns of the type a filter's first entry names: "*.pdf *.PDF".
QStringList FirstTypePatterns(const QString& filter) {
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    const QRegularExpressionMatch inParentheses =
        QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).match(first);
    const QString patterns = inParentheses.hasMatch() ? inParentheses.captured(1) : first;
    return patterns.split(u' ', Qt::SkipEmptyParts);
}

// The extension the first pattern names (".pdf"); empty for any file or a wildcard.
QString FirstExtension(const QStringList& patterns) {
    if (patterns.isEmpty() || !patterns.first().startsWith(QStringLiteral("*."))) return {};
    const QString extension = patterns.first().mid(1);
    if (extension.contains(u'*') || extension.contains(u'?')) return {};
    return extension;
}

} // namespace

QString WithFilterExtension(const QString& path, const QString& filter) {
    if (path.isEmpty()) return path;
    const QStringList patterns = FirstTypePatterns(filter);
    const QString name = QFileInfo(path).fileName();
    for (const QString& pattern : patterns)
        if (QDir::match(pattern, name)) return path;
    return path + FirstExtension(patterns);
}

QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter) {
    KeepDialogStateWithTheDataFolder();
    return Chosen(QFileDialog::getOpenFileName(parent, caption, StartFolder(), filter));
}

QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& suggestedName) {
    KeepDialogStateWithTheDataFolder();
    const QString start = QFileInfo(suggestedName).isAbsolute()
                              ? suggestedName
                              : QDir(StartFolder()).filePath(suggestedName);
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setObjectName(QStringLiteral("SaveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added by the dialog itself, so that its question before replacing a file asks
    // about the file that will really be written.
    dialog.setDefaultSuffix(FirstExtension(FirstTypePatterns(filter)).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return Chosen(WithFilterExtension(dialog.selectedFiles().first(), dialog.selectedNameFilter()));
}
