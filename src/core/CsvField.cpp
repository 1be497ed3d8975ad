#include "core/CsvField.h"

QString CsvField(const QString& text) {
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
                       && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
    if (plain) return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
