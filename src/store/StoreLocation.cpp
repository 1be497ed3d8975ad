#include "store/StoreLocation.h"

namespace {
QString& OverrideLocation() {
    static QString location;
    return location;
}
} // namespace

namespace StoreLocation {

void SetOverride(const QString& location) { OverrideLocation() = location; }

QString Server() {
    const QString location = OverrideLocation();
    return location.isEmpty() ? qEnvironmentVariable("VELLUMARK_STORE") : location;
}

bool IsServerLocation(const QString& location) {
    return location.startsWith(QLatin1String("postgresql://"))
           || location.startsWith(QLatin1String("postgres://"))
           || location.contains(QLatin1Char('='));
}

} // namespace StoreLocation
