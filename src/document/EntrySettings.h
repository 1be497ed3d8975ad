#pragma once
// The program's settings that steer how values enter a bill (the format's own currency
// and month options come from the open format).
#include <QString>

struct EntrySettings {
    QString lineBreakMarker = QStringLiteral("//");
    int roundingMethod = 0;
};
