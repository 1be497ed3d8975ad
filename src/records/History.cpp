#include "records/History.h"

#include "records/BoxValues.h"
#include "records/HistorySql.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"

qint64 NextBillNumber(Database& db, const QString& formatName) {
    // Seats of a server store take numbers one after the other until each commits.
    if (!db.LockBillNumbers(formatName)) return 0;
    const QueryResult result =
        db.Query(HistorySql::kHighestNumber, {formatName});
    if (result.failed || result.Empty()) return 0;
    return result.rows.first().value(0).toLongLong() + 1;
}

SavedBill SaveHistory(Database& db, const Format& format, const Bill& bill) {
    QList<QPair<qint64, QString>> values;
    for (const BoxRecord* box : ValueBoxes(format)) {
        const QString value = StoredValue(*box, bill);
        if (!value.isEmpty()) values.append({box->id, value});
    }
    if (values.isEmpty()) return {SavedBill::Outcome::Empty, 0};
    if (format.name.isEmpty()) return {};

    // The write lock is taken before the number is read, so a second program saving
    // at the same moment cannot be given the same number.
    Database::Transaction transaction(db);
    if (!transaction.Active()) return {};
    const qint64 number = NextBillNumber(db, format.name);
    if (number <= 0) return {};
    for (qsizetype first = 0; first < values.size(); first += HistorySql::kMaxInsertRows) {
        const qsizetype rows = std::min<qsizetype>(HistorySql::kMaxInsertRows, values.size() - first);
        QVariantList params;
        params.reserve(rows * 4);
        for (qsizetype i = first; i < first + rows; ++i)
            params << number << format.name << values[i].first << values[i].second;
        if (!db.Exec(HistorySql::InsertRows(int(rows)), params)) return {};
    }
    if (!transaction.Commit()) return {};
    return {SavedBill::Outcome::Added, number};
}

bool DeleteBills(Database& db, const QString& formatName, const QList<qint64>& numbers) {
    Database::Transaction transaction(db);
    if (!transaction.Active()) return false;
    for (qint64 number : numbers)
        if (!db.Exec(HistorySql::kDeleteBill, {formatName, number}))
            return false;
    return transaction.Commit();
}
