#pragma once
// Reading a format's stored bills as grid rows: one row per bill, newest first, one
// cell per shown column.
#include "records/ColumnOrder.h"

#include <QList>
#include <QStringList>
#include <functional>

class Database;
class Progress;

struct HistoryRow {
    qint64 bill = 0;  // the bill number
    int running = 0;  // 1 for the first row read
    QStringList cells; // one per column
};

// What to read; 0 means no limit. `rows` counts stored values, not bills, so the
// last bill read may be incomplete; `bills` counts whole bills.
struct HistoryLimit {
    qint64 rows = 0;
    qint64 bills = 0;
};

struct HistoryPage {
    QList<HistoryRow> rows;
    bool moreLeft = false; // the row limit left stored values unread
    bool failed = false;
};

// Values of boxes not among `columns` are read and dropped. More than 300 values
// show the progress indicator.
HistoryPage ReadHistory(Database& db, const QString& formatName,
                        const QList<HistoryColumn>& columns, HistoryLimit limit,
                        Progress& progress);

// How a streamed reading ended.
struct HistoryReading {
    bool moreLeft = false;
    bool failed = false;
};

// The same reading, handing each bill to `each` as soon as its values are read and
// keeping only that one: memory stays flat however many bills the format has.
HistoryReading StreamHistory(Database& db, const QString& formatName,
                             const QList<HistoryColumn>& columns, HistoryLimit limit,
                             Progress& progress, const std::function<void(const HistoryRow&)>& each);
