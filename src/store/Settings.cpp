// The per-user settings store: QSettings (the registry on Windows, an ini file
// elsewhere) with the application as the settings file and section/key as the path.
#include "store/ParamStore.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString Organization() {
    const QString name = QCoreApplication::organizationName();
    return name.isEmpty() ? QStringLiteral("Vellumark") : name;
}

QString KeyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString ReadSetting(const QString& application, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization(),
                             application);
    const QString value = settings.value(KeyPath(section, key)).toString();
    return value.isEmpty() ? defaultValue : value;
}

bool WriteSetting(const QString& application, const QString& section, const QString& key,
                  const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organization(), application);
    settings.setValue(KeyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
