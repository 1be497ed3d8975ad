#include "store/StoreLocation.h"

#include "core/Asker.h"
#include "store/ParamStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {
QString& OverrideLocation() {
    static QString location;
    return location;
}

const QString kSettingsApp = QStringLiteral("QMX");
const QString kSection = QStringLiteral("Store");
const QString kKey = QStringLiteral("Server");

bool IsAddress(const QString& location) { return location.startsWith(QLatin1String("postgres")); }

// `key` in an address's query (`?key=value&...`).
QRegularExpression InQuery(const QString& key) {
    return QRegularExpression(QStringLiteral("([?&])%1=([^&]*)&?").arg(key));
}

// `key` as a key=value pair, the value plain or in single quotes with backslash escapes.
QRegularExpression AsPair(const QString& key) {
    return QRegularExpression(QStringLiteral("(^|\\s)%1\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S*)").arg(key));
}

// The value the location gives `key`, without quotes or escapes; empty when not given.
QString Setting(const QString& location, const QString& key) {
    if (IsAddress(location))
        return QUrl::fromPercentEncoding(InQuery(key).match(location).captured(2).toUtf8());
    QString value = AsPair(key).match(location).captured(2);
    if (!value.startsWith(QLatin1Char('\''))) return value;
    static const QRegularExpression escaped(QStringLiteral("\\\\(.)"));
    return value.mid(1, value.size() - 2).replace(escaped, QStringLiteral("\\1"));
}
} // namespace

namespace StoreLocation {

void SetOverride(const QString& location) { OverrideLocation() = location; }

QString Server() {
    if (const QString location = OverrideLocation(); !location.isEmpty()) return location;
    if (const QString location = qEnvironmentVariable("VELLUMARK_STORE"); !location.isEmpty())
        return location;
    return Remembered();
}

bool IsServerLocation(const QString& location) {
    return location.startsWith(QLatin1String("postgresql://"))
           || location.startsWith(QLatin1String("postgres://"))
           || location.contains(QLatin1Char('='));
}

QString WithoutPassword(const QString& location) {
    QString cleaned = location;
    // user:secret@ in an address; password in its query or as a key=value pair, the
    // value plain or in single quotes with backslash escapes.
    static const QRegularExpression inAddress(QStringLiteral("^(postgres(?:ql)?://[^:@/]*):[^@/]*@"));
    static const QRegularExpression inQuery = InQuery(QStringLiteral("password"));
    static const QRegularExpression asPair = AsPair(QStringLiteral("password"));
    cleaned.replace(inAddress, QStringLiteral("\\1@"));
    if (IsAddress(cleaned)) {
        cleaned.replace(inQuery, QStringLiteral("\\1"));
        if (cleaned.endsWith(QLatin1Char('?')) || cleaned.endsWith(QLatin1Char('&'))) cleaned.chop(1);
    } else {
        cleaned.replace(asPair, QString());
    }
    return cleaned.trimmed();
}

bool NeedsAuthorityFile(const QString& location) {
    QString mode = Setting(location, QStringLiteral("sslmode"));
    if (mode.isEmpty()) mode = qEnvironmentVariable("PGSSLMODE");
    if (!mode.startsWith(QLatin1String("verify-"))) return false;
    return Setting(location, QStringLiteral("sslrootcert")).isEmpty() && qEnvironmentVariableIsEmpty("PGSSLROOTCERT")
           && !QFileInfo::exists(QDir::home().filePath(QStringLiteral(".postgresql/root.crt")));
}

QString WithAuthorityFile(const QString& location, const QString& path) {
    if (IsAddress(location))
        return location + (location.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
               + QStringLiteral("sslrootcert=") + QString::fromLatin1(QUrl::toPercentEncoding(path));
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return location + QStringLiteral(" sslrootcert='") + quoted + QLatin1Char('\'');
}

bool Remember(const QString& location) {
    return WriteSetting(kSettingsApp, kSection, kKey, WithoutPassword(location.trimmed()));
}

QString Remembered() { return ReadSetting(kSettingsApp, kSection, kKey, QString()); }

} // namespace StoreLocation

bool ChooseStoreLocation(Asker& asker) {
    const std::optional<QString> answer =
        asker.AskText(StoreTexts::kStorePrompt, StoreLocation::Remembered(), StoreTexts::kStoreTitle);
    if (!answer) return false;
    QString location = answer->trimmed();
    if (!location.isEmpty()) {
        if (!StoreLocation::IsServerLocation(location)) {
            asker.Message(StoreTexts::NotAServer(location));
            return false;
        }
        if (StoreLocation::NeedsAuthorityFile(location)) {
            const QString authority =
                asker.ChooseOpenFile(StoreTexts::kChooseAuthority, StoreTexts::kAuthorityFilter);
            if (authority.isEmpty()) return false;
            location = StoreLocation::WithAuthorityFile(location, authority);
        }
        if (const StoreOpening opening = OpenServerStore(location); !opening.db) {
            asker.Message(opening.message);
            return false;
        }
    }
    if (!StoreLocation::Remember(location)) return false;
    asker.Message(StoreLocation::WithoutPassword(location) == location ? StoreTexts::kStoreChosen
                                                                       : StoreTexts::kStoreChosenNoPassword);
    return true;
}
