// Amounts written in Chinese capitals: 大写金额 and 大写金额(仅数字).
#include "content/Amounts.h"

#include "content/AmountsDecimal.h"

#include <array>

namespace {

constexpr int kCapitalPositions = 15;  // 分 up to 万亿: amounts below 10^13 yuan

// Unit of each digit position counted from the right, 分 first.
const std::array<QChar, kCapitalPositions> kPositionUnits = {
    u'分', u'角', u'元', u'拾', u'佰', u'仟', u'万', u'拾', u'佰', u'仟', u'亿', u'拾', u'佰', u'仟', u'万'};

const QChar kZero = u'零';

bool StartsWithZero(const QString& part) { return part.startsWith(kZero); }

// Within each run of zero positions only the highest keeps a single 零; 角 and 分
// keep theirs so that 壹元零伍分 still reads right.
void CollapseZeros(std::array<QString, kCapitalPositions>& parts, int digitCount) {
    for (int i = digitCount - 1; i >= 0; --i) {
        if (!StartsWithZero(parts[i])) continue;
        parts[i] = kZero;
        for (int j = i - 1; j >= 2 && StartsWithZero(parts[j]); --j) parts[j].clear();
    }
}

// Whether any digit from `low` to `high` (positions from the right) is not zero.
bool AnyDigit(const QString& capitals, int low, int high) {
    const int digitCount = int(capitals.size());
    for (int i = low; i <= high && i < digitCount; ++i)
        if (capitals[digitCount - 1 - i] != kZero) return true;
    return false;
}

// The 亿, 万 and 元 markers must stand even when their own digit is zero. 万 marks
// only a 万 section that holds a digit: 壹佰亿元整, never 壹佰亿零万元整.
void RestoreSectionUnits(std::array<QString, kCapitalPositions>& parts, const QString& capitals) {
    const int digitCount = int(capitals.size());
    const auto restore = [&parts](int position, const QString& unit) {
        if (parts[position].isEmpty()) parts[position] = unit;
        else if (StartsWithZero(parts[position])) parts[position] = unit + kZero;
    };
    if (digitCount > 10) restore(10, QStringLiteral("亿"));
    if (digitCount > 6 && AnyDigit(capitals, 6, 9)) restore(6, QStringLiteral("万"));
    if (digitCount > 2 && (parts[2].isEmpty() || StartsWithZero(parts[2]))) parts[2] = QStringLiteral("元");
}

QString CapitalWords(const QString& capitals) {
    const int digitCount = int(capitals.size());
    std::array<QString, kCapitalPositions> parts;
    for (int i = 0; i < digitCount; ++i) parts[i] = QString(capitals[digitCount - 1 - i]) + kPositionUnits[i];
    CollapseZeros(parts, digitCount);
    RestoreSectionUnits(parts, capitals);

    QString result;
    for (int i = kCapitalPositions - 1; i >= 0; --i) result += parts[i];
    result.replace(QStringLiteral("零万"), QStringLiteral("万零"));
    result.replace(QStringLiteral("零亿"), QStringLiteral("亿零"));
    result.replace(QStringLiteral("零零"), QStringLiteral("零"));
    result.replace(QStringLiteral("零元"), QStringLiteral("元"));
    if (result.endsWith(kZero)) result.chop(1);
    if (!result.endsWith(u'分')) result += u'整';
    if (result == QStringLiteral("元整") || result == QStringLiteral("整")) result = QStringLiteral("零元整");
    return result;
}

}  // namespace

QString DigitsToCapitals(const QString& text, int mode) {
    QString result = text;
    if (mode >= 0) {
        for (QChar& c : result)
            if (c >= u'0' && c <= u'9') c = kCapitalDigits[c.unicode() - u'0'];
        return result;
    }
    for (QChar& c : result) {
        const qsizetype digit = kCapitalDigits.indexOf(c);
        if (digit >= 0) c = QChar(char16_t(u'0' + digit));
    }
    if (mode == -10) return result;
    if (result.startsWith(u'拾')) result.replace(0, 1, u'1');
    if (result.endsWith(u'拾')) result.replace(result.size() - 1, 1, u'0');
    QString digits;
    for (QChar c : result)
        if (c >= u'0' && c <= u'9') digits += c;
    if (digits.startsWith(u'0')) digits.remove(0, 1);
    return digits;
}

QString CapitalAmount(const QString& text, const QString& unit, const ConversionSettings& settings) {
    if (text.isEmpty()) return text;
    // Already in capitals, possibly with a sign: converting again must change nothing.
    if (StartsWithCapitalDigit(QString(text).remove(u'-'))) return text;
    // Signs, symbols and separators drop out; the sign is read from the text's number.
    const std::optional<Amount> amount = ReadAmount(text, settings);
    if (!amount) return text;
    const QString capitals = DigitsToCapitals(QString::number(amount->fen), 0);
    if (capitals.size() > kCapitalPositions) return text;
    QString result = CapitalWords(capitals);
    if (unit == QStringLiteral("圆")) result.replace(u'元', u'圆');
    if (amount->negative) result.prepend(u'-');
    return result;
}

QString CapitalDigits(const QString& text, int positions, const ConversionSettings& settings) {
    if (text.isEmpty()) return text;
    if (StartsWithCapitalDigit(text.startsWith(u'-') ? text.mid(1) : text)) return text;
    const Decimal value = NumericDecimal(text, settings.currency);
    const std::optional<qint64> fen = DigitsToFen(value.intDigits, value.fracDigits, kRoundHalfUp);
    if (!fen) return text;
    QString capitals = DigitsToCapitals(QString::number(*fen), 0);
    if (capitals.size() < positions) capitals.prepend(QString(positions - capitals.size(), kZero));
    if (value.negative && *fen != 0) capitals.prepend(u'-');
    return capitals;
}
