#include "exchange/SpreadsheetValues.h"

#include <QDate>
#include <QTime>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSignificantDigits = 15;
// Plain decimals from 1E-9 up to below 1E+21; scientific outside.
constexpr int kSmallestPlainExponent = -9;
constexpr int kLargestPlainExponent = 20;
constexpr int kSecondsPerDay = 86400;
constexpr double kLastSerialDay = 2958465; // 9999-12-31

QString ScientificText(const QString& digits, int exponent, bool negative) {
    QString mantissa = digits.left(1);
    if (digits.size() > 1) mantissa += u'.' + digits.mid(1);
    return (negative ? QStringLiteral("-") : QString()) + mantissa + u'E' +
           (exponent < 0 ? u'-' : u'+') + QString::number(std::abs(exponent)).rightJustified(2, u'0');
}

QString PlainText(const QString& digits, int exponent, bool negative) {
    QString text;
    if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return negative ? u'-' + text : text;
}

// Drops quoted text, escaped characters and bracketed parts ([Red], [$-404]) but keeps
// the elapsed-time brackets [h], [m], [s].
QString FormatLetters(const QString& code) {
    QString letters;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            i = close < 0 ? code.size() : close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i + 1);
            const QString inside = code.mid(i + 1, close < 0 ? -1 : close - i - 1).toLower();
            if (!inside.isEmpty() && inside.count(inside[0]) == inside.size() &&
                QStringLiteral("hms").contains(inside[0]))
                letters += inside;
            i = close < 0 ? code.size() : close;
        } else {
            letters += c.toLower();
        }
    }
    return letters.replace(QStringLiteral("general"), QString());
}

DateParts BuiltInDateParts(int id) {
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54) ||
        id == 57 || id == 58)
        return DateParts::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || (id >= 45 && id <= 47) || id == 55 ||
        id == 56)
        return DateParts::Time;
    if (id == 22) return DateParts::DateTime;
    return DateParts::None;
}

} // namespace

QString GeneralNumberText(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");
    // Whole numbers of up to 15 digits, the most common cell, need no rounding.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return QString::number(qint64(value));
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    // buffer: d.dddddddddddddde±XX
    const QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e).remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);
    const int exponent = text.mid(e + 1).toInt();
    const bool negative = value < 0;
    if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent)
        return ScientificText(digits, exponent, negative);
    return PlainText(digits, exponent, negative);
}

DateParts DatePartsOfFormat(int numFmtId, const QString& formatCode) {
    if (formatCode.isEmpty()) return BuiltInDateParts(numFmtId);
    // Only the first section (positive numbers) decides.
    const QString letters = FormatLetters(formatCode.section(u';', 0, 0));
    const bool time = letters.contains(u'h') || letters.contains(u's') ||
                      letters.contains(QStringLiteral("am/pm"));
    const bool date = letters.contains(u'y') || letters.contains(u'd') ||
                      (letters.contains(u'm') && !time);
    if (date && time) return DateParts::DateTime;
    if (date) return DateParts::Date;
    return time ? DateParts::Time : DateParts::None;
}

QString SerialDateText(double serial, DateParts parts, bool date1904) {
    // Only days from 1900 (or 1904) to 9999-12-31 are dates; NaN is none either.
    if (parts == DateParts::None || !(serial >= 0 && serial <= kLastSerialDay))
        return GeneralNumberText(serial);
    double days = std::floor(serial);
    qint64 seconds = std::llround((serial - days) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        days += 1;
        seconds -= kSecondsPerDay;
    }
    QString dateText;
    if (date1904) {
        dateText = QDate(1904, 1, 1).addDays(qint64(days)).toString(Qt::ISODate);
    } else if (days == 60) {
        dateText = QStringLiteral("1900-02-29"); // the day the 1900 date system counts
    } else {
        // Serial 1 is 1900-01-01; from 61 on the count includes the day above.
        const QDate base = days < 60 ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
        dateText = base.addDays(qint64(days)).toString(Qt::ISODate);
    }
    const QString timeText = QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("HH:mm:ss"));
    switch (parts) {
    case DateParts::Date: return dateText;
    case DateParts::Time: return timeText;
    default: return dateText + u' ' + timeText;
    }
}
