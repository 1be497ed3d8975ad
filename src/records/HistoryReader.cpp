#include "records/HistoryReader.h"

#include "core/Progress.h"
#include "records/HistorySql.h"
#include "records/RowCursor.h"
#include "records/RecordsTexts.h"

#include <QHash>
#include <algorithm>
#include <optional>

namespace {

// Above this many values the reading shows its progress.
constexpr qint64 kQuietRows = 300;
constexpr int kProgressSteps = 100;
constexpr qint64 kRowsPerCheck = 1000;

QString RowsSql(const HistoryLimit& limit) {
    return HistorySql::kRows + (limit.bills > 0 ? HistorySql::kNewestBills : QString())
           + HistorySql::kNewestFirst + (limit.rows > 0 ? HistorySql::kRowLimit : QString());
}

QVariantList HistoryParams(const QString& formatName, const HistoryLimit& limit) {
    QVariantList params{formatName};
    if (limit.bills > 0) params << formatName << limit.bills;
    // One more than asked tells whether values were left unread.
    if (limit.rows > 0) params << limit.rows + 1;
    return params;
}

} // namespace

HistoryReading StreamHistory(Database& db, const QString& formatName,
                             const QList<HistoryColumn>& columns, HistoryLimit limit,
                             Progress& progress, const std::function<void(const HistoryRow&)>& each) {
    QHash<qint64, int> columnOf;
    for (int i = int(columns.size()) - 1; i >= 0; --i) columnOf.insert(columns[i].boxId, i);

    HistoryReading reading;
    RowCursor cursor(db, RowsSql(limit), HistoryParams(formatName, limit));
    // Values come newest bill first, so the share of the highest bill number already
    // passed tells how far the reading is, without counting the rows first.
    std::optional<ProgressScope> progressScope;
    qint64 highestBill = 0, read = 0;
    int stepsShown = 0;
    std::optional<HistoryRow> row;
    while (cursor.Next()) {
        if (limit.rows > 0 && read == limit.rows) {
            reading.moreLeft = true;
            break;
        }
        const qint64 bill = cursor.Integer(0);
        if (!row || bill != row->bill) {
            if (row) each(*row);
            row = HistoryRow{bill, row ? row->running + 1 : 1, QStringList(columns.size())};
            if (highestBill == 0) highestBill = std::max<qint64>(bill, 1);
        }
        const auto column = columnOf.constFind(cursor.Integer(1));
        if (column != columnOf.constEnd()) row->cells[*column] = cursor.Text(2);
        if (++read == kQuietRows + 1)
            progressScope.emplace(progress, RecordsText::kLoadingHistory, kProgressSteps);
        if (progressScope && read % kRowsPerCheck == 0) {
            const int due = int((highestBill - bill) * kProgressSteps / highestBill);
            for (; stepsShown < due; ++stepsShown) progressScope->Step();
        }
    }
    if (row) each(*row);
    reading.failed = cursor.Failed();
    return reading;
}

HistoryPage ReadHistory(Database& db, const QString& formatName,
                        const QList<HistoryColumn>& columns, HistoryLimit limit,
                        Progress& progress) {
    HistoryPage page;
    const HistoryReading reading = StreamHistory(db, formatName, columns, limit, progress,
                                                 [&page](const HistoryRow& row) { page.rows.append(row); });
    page.moreLeft = reading.moreLeft;
    page.failed = reading.failed;
    return page;
}
