#pragma once
// The period table: bills by day or by month, with every period between the first
// and the last listed, so gaps show as empty periods however long they are.
#include "stats/Statistics.h"

struct CountedBill {
    QDate date;
    DecimalSum amount;
};

QString PeriodKey(const QDate& date, StatsPeriod period);

// One row per period from the earliest bill's to the latest one's, in date order;
// empty when there are no bills.
QList<StatsRow> PeriodTable(const QList<CountedBill>& bills, StatsPeriod period);
