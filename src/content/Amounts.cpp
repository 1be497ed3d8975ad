#include "content/Amounts.h"

#include "content/AmountsDecimal.h"

const QString kCapitalDigits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");

bool StartsWithCapitalDigit(const QString& text) {
    return !text.isEmpty() && kCapitalDigits.contains(text.front());
}

namespace {

// Thousands separators between groups of three integer digits.
QString GroupedThousands(const QString& digits) {
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

QString FormatAmount(const QString& text, const ConversionSettings& settings) {
    if (text.isEmpty() || text == QStringLiteral("-")) return text;
    const std::optional<Amount> amount = ReadAmount(text, settings);
    if (!amount) return text;
    // The sign follows the symbol: ￥-1,234.00.
    QString result = settings.currency;
    if (amount->negative) result += u'-';
    result += GroupedThousands(QString::number(amount->fen / 100));
    result += QStringLiteral(".%1").arg(amount->fen % 100, 2, 10, QChar(u'0'));
    return result;
}

double NumericValue(const QString& text, const QString& currency) {
    return NumericText(text, currency).toDouble();
}

QString NumericText(const QString& text, const QString& currency) {
    return ShortestForm(NumericDecimal(text, currency));
}

QString FormatPercentage(const QString& text, const QString& currency) {
    // An empty box stays empty rather than printing "0%".
    if (text.trimmed().isEmpty()) return text;
    return ShortestForm(ShiftPoint(NumericDecimal(text, currency), 2)) + u'%';
}

QString FormatYuanAmount(const QString& text, const ConversionSettings& settings) {
    // Texts FormatAmount leaves alone (empty, "-", too large) stay as they are.
    if (text.isEmpty() || text == QStringLiteral("-")) return text;
    const std::optional<Amount> amount = ReadAmount(text, settings);
    if (!amount) return text;
    return FenToShortest(amount->fen, amount->negative) + u'元';
}
