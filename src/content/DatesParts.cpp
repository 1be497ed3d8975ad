// One part of a date in a box of its own: 年, 月 or 日 in Arabic or Chinese digits.
#include "content/Dates.h"

#include "content/Amounts.h"
#include "content/AmountsDecimal.h"

namespace {

struct PartRule {
    int low, high;
    int width;  // digits written
};

PartRule ArabicRule(DatePart part) {
    switch (part) {
    case DatePart::kYear: return {1000, 5000, 4};
    case DatePart::kMonth: return {1, 12, 2};
    default: return {1, 31, 2};
    }
}

int PartOf(const QDate& date, DatePart part) {
    switch (part) {
    case DatePart::kYear: return date.year();
    case DatePart::kMonth: return date.month();
    default: return date.day();
    }
}

// The integer part of the number a text starts with; -1 when there is none or it is
// too long to be a date part.
int LeadingInteger(const QString& text) {
    const Decimal number = LeadingNumber(text);
    if (number.negative || number.intDigits.size() > 6) return -1;
    return number.intDigits.isEmpty() ? 0 : number.intDigits.toInt();
}

}  // namespace

QString DatePartArabic(const QString& text, DatePart part, const QDate& today) {
    const QDate now = today.isValid() ? today : QDate::currentDate();
    // An identity-card number gives its birth date.
    QString t = text.size() >= 15 ? FormatDate(text, QStringLiteral("YYYY-MM-DD"), now) : text;
    t = DigitsToCapitals(t.trimmed(), -10);
    t.replace(u'年', u'-').replace(u'月', u'-').remove(u'日');
    // Today's part written plainly is what a text out of range becomes; it counts as
    // converted already, so converting again leaves it as it is.
    const QString plainToday = QString::number(PartOf(now, part));
    if (t == plainToday) return plainToday;

    int value = -1;
    if (t.contains(u'-')) {
        if (const std::optional<QDate> date = ParseDateText(t, now)) value = PartOf(*date, part);
    }
    if (value < 0) value = LeadingInteger(t);
    const PartRule rule = ArabicRule(part);
    // Out of range gives today's part as a plain number: the 6th is "6", not "06".
    if (value < rule.low || value > rule.high) return plainToday;
    return QStringLiteral("%1").arg(value, rule.width, 10, QChar(u'0'));
}

QString DatePartChinese(const QString& text, DatePart part, bool monthZero) {
    if (text.isEmpty() || text.front() < u'0' || text.front() > u'9') return text;
    // A trailing blank must not count as a second digit ("1 " is not 壹拾).
    const QString digits = text.trimmed();
    const Decimal number = LeadingNumber(digits);
    const double value = ShortestForm(number).toDouble();
    const double low = part == DatePart::kYear ? 2000 : 1;
    const double high = part == DatePart::kYear ? 3000 : part == DatePart::kMonth ? 12 : 31;
    if (value < low || value > high) return text;

    QString s = DigitsToCapitals(digits, 0);
    const QChar zero = kCapitalDigits[0];
    if (s.size() == 1) {
        // As cheques require, nothing may be written in front of 壹 and 贰: they get
        // 零 always, months 3..9 only when 中文月加“零” is checked.
        const bool bareMonth = part == DatePart::kMonth && value >= 3 && value <= 9 && !monthZero;
        if (!bareMonth) s.prepend(zero);
    } else if (s.size() == 2) {
        if (s[1] != zero && s[0] != zero) s = s[0] + QStringLiteral("拾") + s[1];
        else if (s[1] == zero) s = s[0] + QStringLiteral("拾");
    }
    const bool multipleOfTen = number.fracDigits.isEmpty() && number.intDigits.endsWith(u'0');
    if (s.size() == 2 && multipleOfTen) s.prepend(zero);
    return s;
}
