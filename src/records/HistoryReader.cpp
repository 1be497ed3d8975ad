#include "records/HistoryReader.h"

#include "core/Progress.h"
#include "records/HistorySql.h"
#include "records/RecordsTexts.h"
#include "store/Database.h"

#include <QHash>
#include <optional>

namespace {

// Above this many values the reading shows its progress.
constexpr qint64 kQuietRows = 300;
constexpr int kProgressSteps = 100;

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

HistoryPage ReadHistory(Database& db, const QString& formatName,
                        const QList<HistoryColumn>& columns, HistoryLimit limit,
                        Progress& progress) {
    HistoryPage page;
    QueryResult result = db.Query(RowsSql(limit), HistoryParams(formatName, limit));
    if (result.failed) {
        page.failed = true;
        return page;
    }
    if (limit.rows > 0 && result.rows.size() > limit.rows) {
        page.moreLeft = true;
        result.rows.resize(limit.rows);
    }

    QHash<qint64, int> columnOf;
    for (int i = int(columns.size()) - 1; i >= 0; --i) columnOf.insert(columns[i].boxId, i);
    const QStringList emptyCells(columns.size());

    const qint64 count = result.rows.size();
    std::optional<ProgressScope> progressScope;
    const qint64 rowsPerStep = count / kProgressSteps + 1;
    if (count > kQuietRows) progressScope.emplace(progress, RecordsText::kLoadingHistory, kProgressSteps);

    qint64 previousBill = 0;
    for (qint64 i = 0; i < count; ++i) {
        const QVariantList& row = result.rows[i];
        const qint64 bill = row.value(0).toLongLong();
        if (page.rows.isEmpty() || bill != previousBill) {
            page.rows.append({bill, int(page.rows.size()) + 1, emptyCells});
            previousBill = bill;
        }
        const auto column = columnOf.constFind(row.value(1).toLongLong());
        if (column != columnOf.constEnd()) page.rows.last().cells[*column] = row.value(2).toString();
        if (progressScope && (i + 1) % rowsPerStep == 0) progressScope->Step();
    }
    return page;
}
