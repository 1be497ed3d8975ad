#include "exchange/RowSettings.h"

#include "exchange/ColumnLetters.h"
#include "exchange/ExchangeTexts.h"
#include "store/ParamStore.h"

#include <QRegularExpression>
#include <utility>

namespace {

const QString kKeys[] = {QStringLiteral("T(0)"), QStringLiteral("T(1)"), QStringLiteral("T(2)"),
                         QStringLiteral("T(3)")};

// The number a field starts with ("12 行" is 12); 0 when none.
qint64 FieldNumber(const QString& text) {
    static const QRegularExpression kLeading(QStringLiteral("^\\s*[-+]?\\d{1,12}"));
    const QRegularExpressionMatch match = kLeading.match(text);
    return match.hasMatch() ? match.captured().trimmed().toLongLong() : 0;
}

QString Read(const QString& key, const QString& fallback) {
    return ReadSetting(ExchangeText::kSettingsApp, ExchangeText::kRowSection, key, fallback).trimmed();
}

} // namespace

RowSettings ReadRowSettings(const RowSettings& defaults) {
    RowSettings settings;
    settings.start = Read(kKeys[0], defaults.start);
    settings.end = Read(kKeys[1], defaults.end);
    settings.interval = Read(kKeys[2], defaults.interval);
    settings.marker = Read(kKeys[3], defaults.marker);
    return settings;
}

bool WriteRowSettings(const RowSettings& settings) {
    const QString values[] = {settings.start, settings.end, settings.interval, settings.marker};
    bool written = true;
    for (int i = 0; i < 4; ++i)
        written = WriteSetting(ExchangeText::kSettingsApp, ExchangeText::kRowSection, kKeys[i],
                               values[i].trimmed())
                  && written;
    return written;
}

std::optional<ImportRange> CheckRange(const RowSettings& settings) {
    qint64 start = FieldNumber(settings.start);
    qint64 end = FieldNumber(settings.end);
    if (start > end) std::swap(start, end);
    if (end - start > kMaxImportRows - 1) return std::nullopt;
    ImportRange range;
    range.start = int(qMax<qint64>(start, 1));
    range.end = int(qMax<qint64>(end, 1));
    range.interval = int(qBound(qint64(1), FieldNumber(settings.interval), qint64(kMaxImportRows)));
    range.markerColumn = ColumnNumber(settings.marker);
    return range;
}

int LastRowWanted(const RowSettings& settings) {
    const std::optional<ImportRange> range = CheckRange(settings);
    return range ? range->end : 1;
}
