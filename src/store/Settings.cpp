// The per-user settings store: QSettings (the registry on Windows, an ini file
// elsewhere) with the application as the settings file and section/key as the path.
// When the data folder was named explicitly the settings live inside it instead, so
// two data folders never share a printer choice and tests never touch the user's own.
#include "store/ParamStore.h"

#include "store/DataFolder.h"

#include <QCoreApplication>
#include <QSettings>
#include <memory>

namespace {

QString Organization() {
    const QString name = QCoreApplication::organizationName();
    return name.isEmpty() ? QStringLiteral("Vellumark") : name;
}

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

std::unique_ptr<QSettings> OpenSettings(const QString& application) {
    if (DataFolder::IsExplicit())
        return std::make_unique<QSettings>(
            DataFolder::Path() + QStringLiteral("/Settings/") + application + QStringLiteral(".ini"),
            QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       Organization(), application);
}

} // namespace

QString SettingsFilePath(const QString& application) {
    return OpenSettings(application)->fileName();
}

QString ReadSetting(const QString& application, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QString value = OpenSettings(application)->value(KeyPath(section, key)).toString();
    return value.isEmpty() ? defaultValue : value;
}

bool WriteSetting(const QString& application, const QString& section, const QString& key,
                  const QString& value) {
    const std::unique_ptr<QSettings> settings = OpenSettings(application);
    settings->setValue(KeyPath(section, key), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}
