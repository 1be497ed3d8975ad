#include "content/Dates.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QDate Today(const QDate& today) { return today.isValid() ? today : QDate::currentDate(); }

bool AllAsciiDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A month and day without a year fall in today's year; 29 February, in a year that
// has none, falls in the last leap year, so that "02-29" written back is still a date.
QDate MonthDayDate(int month, int day, const QDate& today) {
    QDate date(today.year(), month, day);
    if (!date.isValid() && month == 2 && day == 29) {
        int year = today.year();
        while (!QDate::isLeapYear(year)) --year;
        date = QDate(year, month, day);
    }
    return date;
}

// Birth date of an identity-card number: the 18-digit form has the year at 7..10,
// month 11..12, day 13..14; the older all-digit 15-character form a two-digit year
// of the 1900s at 7..8, month 9..10 and day 11..12.
std::optional<QDate> IdCardBirthDate(const QString& text) {
    const QStringView id(text);
    const bool oldForm = id.size() == 15 && AllAsciiDigits(id);
    const QStringView year = oldForm ? id.mid(6, 2) : id.mid(6, 4);
    const QStringView month = id.mid(oldForm ? 8 : 10, 2);
    const QStringView day = id.mid(oldForm ? 10 : 12, 2);
    if (!AllAsciiDigits(year) || !AllAsciiDigits(month) || !AllAsciiDigits(day)) return std::nullopt;
    const QDate date((oldForm ? 1900 : 0) + year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace

std::optional<QDate> ParseDateText(const QString& text, const QDate& today) {
    static const QRegularExpression kFullDate(
        QStringLiteral(R"(^(\d{4})\s*[-/.年]\s*(\d{1,2})\s*[-/.月]\s*(\d{1,2})\s*日?$)"));
    static const QRegularExpression kYearMonth(QStringLiteral(R"(^(\d{4})\s*[-/.年]\s*(\d{1,2})\s*月?$)"));
    static const QRegularExpression kMonthDay(QStringLiteral(R"(^(\d{1,2})\s*[-/月]\s*(\d{1,2})\s*日?$)"));
    static const QRegularExpression kTime(QStringLiteral(R"(^\d{1,2}:\d{1,2}(:\d{1,2})?$)"));
    static const QRegularExpression kTimeStart(QStringLiteral(R"(\s+\d{1,2}:)"));

    QString datePart = text.trimmed();
    // A time after the date is allowed and has no say in the date.
    const qsizetype blank = datePart.indexOf(kTimeStart);
    if (blank > 0) {
        if (!kTime.match(datePart.mid(blank).trimmed()).hasMatch()) return std::nullopt;
        datePart.truncate(blank);
    }
    QDate date;
    if (const auto m = kFullDate.match(datePart); m.hasMatch())
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto ym = kYearMonth.match(datePart); ym.hasMatch())
        date = QDate(ym.captured(1).toInt(), ym.captured(2).toInt(), 1);
    else if (const auto md = kMonthDay.match(datePart); md.hasMatch())
        date = MonthDayDate(md.captured(1).toInt(), md.captured(2).toInt(), Today(today));
    if (!date.isValid()) return std::nullopt;
    return date;
}

QString FormatDate(const QString& text, const QString& pattern, const QDate& today) {
    std::optional<QDate> date = ParseDateText(text, today);
    if (!date && text.size() >= 15) date = IdCardBirthDate(text);
    if (!date) return QString();
    QString result = pattern;
    result.replace(QStringLiteral("YYYY"), QStringLiteral("%1").arg(date->year(), 4, 10, QChar(u'0')));
    result.replace(QStringLiteral("MM"), QStringLiteral("%1").arg(date->month(), 2, 10, QChar(u'0')));
    result.replace(QStringLiteral("DD"), QStringLiteral("%1").arg(date->day(), 2, 10, QChar(u'0')));
    return result;
}

QString GenderFromId(const QString& text) {
    // The first ten characters must read as a ten-digit number.
    if (text.size() < 15 || !AllAsciiDigits(QStringView(text).left(10)) || text.front() == u'0') return text;
    const QChar digit = text.size() == 18 ? text[16] : text[14];
    if (digit < u'0' || digit > u'9') return text;
    return (digit.unicode() - u'0') % 2 == 0 ? QStringLiteral("女") : QStringLiteral("男");
}
