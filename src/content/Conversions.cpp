#include "content/Conversions.h"

#include "content/Amounts.h"
#include "content/DataTypes.h"
#include "content/Dates.h"

namespace {

QString WithoutCurrency(QString text, const ConversionSettings& settings) {
    if (!settings.currency.isEmpty()) text.remove(settings.currency);
    return text;
}

QString WithoutCommas(QString text) { return text.remove(u','); }

QString ConvertCapitalDigitsWithoutFen(const QString& text, double dataType, const ConversionSettings& settings) {
    if (StartsWithCapitalDigit(text.startsWith(u'-') ? text.mid(1) : text)) return text;
    QString result = CapitalDigits(text, CapitalDigitsPositions(dataType), settings);
    if (result == text) return text;  // too large to convert
    result.chop(2);                   // 角 and 分
    // Less than one yuan leaves no sign standing before the zeros.
    if (result.startsWith(u'-') && result.mid(1).count(kCapitalDigits[0]) == result.size() - 1)
        result.remove(0, 1);
    return result;
}

QString ConvertAmount(const QString& text, int base, double dataType, const ConversionSettings& settings) {
    switch (base) {
    case 103: return CapitalAmount(text, QStringLiteral("元"), settings);
    case 120: return CapitalAmount(text, QStringLiteral("圆"), settings);
    case 104: return FormatAmount(text, settings);
    case 105: return WithoutCurrency(FormatAmount(text, settings), settings);
    case 117: return WithoutCommas(WithoutCurrency(FormatAmount(text, settings), settings));
    case 118: return WithoutCommas(FormatAmount(text, settings));
    case 114: return CapitalDigits(text, CapitalDigitsPositions(dataType), settings);
    case 121: return ConvertCapitalDigitsWithoutFen(text, dataType, settings);
    case 116: return FormatPercentage(text, settings.currency);
    case 123: return FormatYuanAmount(text, settings);
    default: return text;
    }
}

QString ConvertDate(const QString& text, int base, const ConversionSettings& settings) {
    switch (base) {
    case 100: return DatePartChinese(text, DatePart::kYear, settings.monthZero);
    case 101: return DatePartChinese(text, DatePart::kMonth, settings.monthZero);
    case 102: return DatePartChinese(text, DatePart::kDay, settings.monthZero);
    case 106: return DatePartArabic(text, DatePart::kYear, settings.today);
    case 107: return DatePartArabic(text, DatePart::kMonth, settings.today);
    case 108: return DatePartArabic(text, DatePart::kDay, settings.today);
    case 110: return FormatDate(text, QStringLiteral("YYYY年MM月DD日"), settings.today);
    case 111: return FormatDate(text, QStringLiteral("YYYY-MM-DD"), settings.today);
    case 112: return FormatDate(text, QStringLiteral("MM月DD日"), settings.today);
    case 113: return FormatDate(text, QStringLiteral("MM-DD"), settings.today);
    default: return text;
    }
}

}  // namespace

QString ConvertByDataType(const QString& text, double dataType, const ConversionSettings& settings) {
    const int base = DataTypeBase(dataType);
    if (base >= 1 && base <= 99) return FormatAmount(text, settings);
    if (base >= 301 && base <= 399) return WithoutCurrency(FormatAmount(text, settings), settings);
    switch (base) {
    case 109: return FormatPostcode(text);
    case 131: return GenderFromId(text);
    case 100: case 101: case 102: case 106: case 107: case 108:
    case 110: case 111: case 112: case 113: return ConvertDate(text, base, settings);
    default: return ConvertAmount(text, base, dataType, settings);
    }
}

QString FillBoxText(const QString& text, const QString& lineBreakMarker, double dataType,
                    const ConversionSettings& settings) {
    QString filled = text;
    if (!lineBreakMarker.isEmpty()) filled.replace(lineBreakMarker, QStringLiteral("\n"));
    return ConvertByDataType(filled, dataType, settings);
}

QString FormatPostcode(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') digits += c;
        if (digits.size() == 6) break;
    }
    if (!digits.isEmpty() && digits.size() < 6) digits.prepend(QString(6 - digits.size(), u'0'));
    return digits;
}
