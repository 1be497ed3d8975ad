#include "stats/StatsPeriods.h"

#include <algorithm>

namespace {

// The period's position counted from year 0: days or months.
qint64 PeriodIndex(const QDate& date, StatsPeriod period) {
    return period == StatsPeriod::Day ? date.toJulianDay() : qint64(date.year()) * 12 + date.month() - 1;
}

QDate PeriodStart(qint64 index, StatsPeriod period) {
    if (period == StatsPeriod::Day) return QDate::fromJulianDay(index);
    return QDate(int(index / 12), int(index % 12) + 1, 1);
}

} // namespace

QString PeriodKey(const QDate& date, StatsPeriod period) {
    return date.toString(period == StatsPeriod::Day ? QStringLiteral("yyyy-MM-dd")
                                                    : QStringLiteral("yyyy-MM"));
}

QList<StatsRow> PeriodTable(const QList<CountedBill>& bills, StatsPeriod period) {
    QList<StatsRow> rows;
    if (bills.isEmpty()) return rows;
    const auto [earliest, latest] = std::minmax_element(
        bills.begin(), bills.end(),
        [](const CountedBill& a, const CountedBill& b) { return a.date < b.date; });
    const qint64 first = PeriodIndex(earliest->date, period);
    const qint64 last = PeriodIndex(latest->date, period);
    rows.reserve(last - first + 1);
    for (qint64 index = first; index <= last; ++index)
        rows.append({PeriodKey(PeriodStart(index, period), period), 0, {}});
    for (const CountedBill& bill : bills) {
        StatsRow& row = rows[PeriodIndex(bill.date, period) - first];
        ++row.bills;
        row.amount.Add(bill.amount);
    }
    return rows;
}
