#include "content/AmountsDecimal.h"

#include <algorithm>

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString TrimmedLeadingZeros(QStringView digits) {
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0') ++i;
    return digits.mid(i).toString();
}

QString TrimmedTrailingZeros(QStringView digits) {
    qsizetype n = digits.size();
    while (n > 0 && digits[n - 1] == u'0') --n;
    return digits.left(n).toString();
}

}  // namespace

Decimal LeadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    Decimal result;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        result.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype intStart = i;
    while (i < text.size() && IsAsciiDigit(text[i])) ++i;
    result.intDigits = TrimmedLeadingZeros(text.mid(intStart, i - intStart));
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = ++i;
        while (i < text.size() && IsAsciiDigit(text[i])) ++i;
        result.fracDigits = TrimmedTrailingZeros(text.mid(fracStart, i - fracStart));
    }
    return result;
}

Decimal ShiftPoint(Decimal value, int places) {
    QString digits = value.intDigits + value.fracDigits;
    qsizetype point = value.intDigits.size() + places;
    if (point < 0) {
        digits.prepend(QString(-point, u'0'));
        point = 0;
    } else if (point > digits.size()) {
        digits.append(QString(point - digits.size(), u'0'));
    }
    value.intDigits = TrimmedLeadingZeros(QStringView(digits).left(point));
    value.fracDigits = TrimmedTrailingZeros(QStringView(digits).mid(point));
    return value;
}

QString ShortestForm(const Decimal& value) {
    if (value.IsZero()) return QStringLiteral("0");
    QString text = value.negative ? QStringLiteral("-") : QString();
    text += value.intDigits.isEmpty() ? QStringLiteral("0") : value.intDigits;
    if (!value.fracDigits.isEmpty()) text += u'.' + value.fracDigits;
    return text;
}

QString WithoutSymbol(QString text, const QString& symbol) {
    if (!symbol.isEmpty()) text.remove(symbol);
    return text;
}

Decimal NumericDecimal(const QString& text, const QString& currency) {
    QString plain = WithoutSymbol(text, currency);
    plain.remove(u'￥').remove(u'$').remove(u',');
    plain = plain.trimmed();
    if (plain.endsWith(u'%')) {
        plain.chop(1);
        return ShiftPoint(LeadingNumber(plain), -2);
    }
    return LeadingNumber(plain);
}

std::optional<qint64> DigitsToFen(QStringView intDigits, QStringView fracDigits, int roundingMethod) {
    const QString whole = TrimmedLeadingZeros(intDigits);
    if (whole.size() > kMaxAmountIntegerDigits) return std::nullopt;
    qint64 fen = 0;
    for (QChar c : whole) fen = fen * 10 + (c.unicode() - u'0');
    for (int i = 0; i < 2; ++i)
        fen = fen * 10 + (i < fracDigits.size() ? fracDigits[i].unicode() - u'0' : 0);

    const QStringView rest = fracDigits.size() > 2 ? fracDigits.mid(2) : QStringView();
    if (roundingMethod == kRoundHalfUp && !rest.isEmpty() && rest[0] >= u'5') ++fen;
    // Any further non-zero decimal rounds up, however far behind the point it stands.
    const bool restNonZero = std::any_of(rest.begin(), rest.end(), [](QChar c) { return c != u'0'; });
    if (roundingMethod == kRoundUp && restNonZero) ++fen;
    return fen;
}

std::optional<Amount> ReadAmount(const QString& text, const ConversionSettings& settings) {
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (IsAsciiDigit(c) || c == u'.') digits += c;
    // Digits after a second "." are not part of the number.
    const qsizetype point = digits.indexOf(u'.');
    const QStringView all(digits);
    QStringView intDigits = point < 0 ? all : all.left(point);
    QStringView fracDigits = point < 0 ? QStringView() : all.mid(point + 1);
    const qsizetype secondPoint = fracDigits.indexOf(u'.');
    if (secondPoint >= 0) fracDigits = fracDigits.left(secondPoint);

    const std::optional<qint64> fen = DigitsToFen(intDigits, fracDigits, settings.roundingMethod);
    if (!fen) return std::nullopt;
    const Decimal number = NumericDecimal(text, settings.currency);
    return Amount{*fen, *fen != 0 && number.negative && !number.IsZero()};
}

QString FenToShortest(qint64 fen, bool negative) {
    Decimal value;
    value.negative = negative;
    value.intDigits = TrimmedLeadingZeros(QString::number(fen / 100));
    value.fracDigits = TrimmedTrailingZeros(QStringLiteral("%1").arg(fen % 100, 2, 10, QChar(u'0')));
    return ShortestForm(value);
}
