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

DatePart PartOf(DatePartOf part) {
    switch (part) {
    case DatePartOf::Year: return DatePart::kYear;
    case DatePartOf::Month: return DatePart::kMonth;
    default: return DatePart::kDay;
    }
}

}  // namespace

QString ConvertByDataType(const QString& text, double dataType, const ConversionSettings& settings) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (!row) return text;
    switch (row->conversion) {
    case DataConversion::None: return text;
    case DataConversion::DatePartChinese: return DatePartChinese(text, PartOf(row->datePart), settings.monthZero);
    case DataConversion::DatePartArabic: return DatePartArabic(text, PartOf(row->datePart), settings.today);
    case DataConversion::CapitalYuan: return CapitalAmount(text, QStringLiteral("元"), settings);
    case DataConversion::CapitalRound: return CapitalAmount(text, QStringLiteral("圆"), settings);
    case DataConversion::Amount: return FormatAmount(text, settings);
    case DataConversion::AmountNoSymbol: return WithoutCurrency(FormatAmount(text, settings), settings);
    case DataConversion::AmountNoSymbolNoComma:
        return WithoutCommas(WithoutCurrency(FormatAmount(text, settings), settings));
    case DataConversion::AmountNoComma: return WithoutCommas(FormatAmount(text, settings));
    case DataConversion::YuanAmount: return FormatYuanAmount(text, settings);
    case DataConversion::Postcode: return FormatPostcode(text);
    case DataConversion::Date:
        return FormatDate(text, QString::fromUtf16(row->datePattern.data(), qsizetype(row->datePattern.size())),
                          settings.today);
    case DataConversion::CapitalDigits: return CapitalDigits(text, CapitalDigitsPositions(dataType), settings);
    case DataConversion::CapitalDigitsNoFen: return ConvertCapitalDigitsWithoutFen(text, dataType, settings);
    case DataConversion::Percentage: return FormatPercentage(text, settings.currency);
    case DataConversion::Gender: return GenderFromId(text);
    }
    return text;
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
