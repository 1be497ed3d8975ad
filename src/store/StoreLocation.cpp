#include "store/StoreLocation.h"

#include "core/Asker.h"
#include "store/ParamStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QRegularExpression>

namespace {
QString& OverrideLocation() {
    static QString location;
    return location;
}

const QString kSettingsApp = QStringLiteral("QMX");
const QString kSection = QStringLiteral("Store");
const QString kKey = QStringLiteral("Server");
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
    static const QRegularExpression inQuery(QStringLiteral("([?&])password=[^&]*&?"));
    static const QRegularExpression asPair(
        QStringLiteral("(^|\\s)password\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S*)"));
    cleaned.replace(inAddress, QStringLiteral("\\1@"));
    if (cleaned.startsWith(QLatin1String("postgres"))) {
        cleaned.replace(inQuery, QStringLiteral("\\1"));
        if (cleaned.endsWith(QLatin1Char('?')) || cleaned.endsWith(QLatin1Char('&'))) cleaned.chop(1);
    } else {
        cleaned.replace(asPair, QString());
    }
    return cleaned.trimmed();
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
    const QString location = answer->trimmed();
    if (!location.isEmpty()) {
        if (!StoreLocation::IsServerLocation(location)) {
            asker.Message(StoreTexts::NotAServer(location));
            return false;
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
