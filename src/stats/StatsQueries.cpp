#include "stats/StatsQueries.h"

#include "store/Database.h"

#include <algorithm>

namespace {

// "CID IN (?,?,?)" for n boxes.
QString BoxFilter(qsizetype count) {
    QStringList marks(count, QStringLiteral("?"));
    return QStringLiteral(" CID IN (") + marks.join(u',') + u')';
}

QVariantList Params(const QString& formatName, const QList<qint64>& boxIds) {
    QVariantList params{formatName};
    for (qint64 id : boxIds) params << id;
    return params;
}

} // namespace

StoredValues ValuesOfBoxes(Database& db, const QString& formatName, const QList<qint64>& boxIds) {
    StoredValues values;
    if (boxIds.isEmpty()) return values;
    // Unsorted, the query reads the (Fmt, CID, Con, ID) index alone; sorting in SQL
    // would add a sort of the same rows or walk the format's whole history.
    const QueryResult result = db.Query(QStringLiteral("SELECT ID, CID, Con FROM 历史 WHERE Fmt=? AND")
                                            + BoxFilter(boxIds.size()),
                                        Params(formatName, boxIds));
    values.failed = result.failed;
    values.rows.reserve(result.rows.size());
    for (const QVariantList& row : result.rows)
        values.rows.append({row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toString()});
    std::sort(values.rows.begin(), values.rows.end(), [](const StoredValue& a, const StoredValue& b) {
        return a.bill != b.bill ? a.bill < b.bill : a.box < b.box;
    });
    return values;
}

std::optional<QSet<qint64>> BillsHolding(Database& db, const QString& formatName,
                                         const QList<qint64>& boxIds, const QString& value) {
    QSet<qint64> bills;
    if (boxIds.isEmpty()) return bills;
    QVariantList params = Params(formatName, boxIds);
    params << value;
    const QueryResult result = db.Query(QStringLiteral("SELECT DISTINCT ID FROM 历史 WHERE Fmt=? AND")
                                            + BoxFilter(boxIds.size()) + QStringLiteral(" AND Con=?"),
                                        params);
    if (result.failed) return std::nullopt;
    for (const QVariantList& row : result.rows) bills.insert(row.value(0).toLongLong());
    return bills;
}

QStringList DistinctValues(Database& db, const QString& formatName, const QList<qint64>& boxIds) {
    QStringList values;
    if (boxIds.isEmpty()) return values;
    const QueryResult result = db.Query(QStringLiteral("SELECT Con FROM 历史 WHERE Fmt=? AND")
                                            + BoxFilter(boxIds.size())
                                            + QStringLiteral(" GROUP BY Con ORDER BY Con"),
                                        Params(formatName, boxIds));
    for (const QVariantList& row : result.rows) values << row.value(0).toString();
    return values;
}
