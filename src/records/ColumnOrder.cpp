#include "records/ColumnOrder.h"

#include "records/RecordsTexts.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/ParamStore.h"

#include <QSet>

QList<HistoryColumn> FormatColumns(Database& db, const QString& formatName) {
    const QueryResult result = db.Query(
        QStringLiteral("SELECT ID, LBL FROM Fmt WHERE Fmt=? AND coalesce(LBL, '')<>? "
                       "AND Clas<=? AND (Clas<>? OR coalesce(LBL, '')<>'') ORDER BY ID"),
        {formatName, kPageParamsLabel, int(BoxKind::Picture), int(BoxKind::Text)});
    QList<HistoryColumn> columns;
    for (const QVariantList& row : result.rows)
        columns.append({row.value(0).toLongLong(), row.value(1).toString()});
    return columns;
}

QString ColumnOrderKey(const QString& formatName) {
    return formatName + RecordsText::kColumnOrderSuffix;
}

QList<qint64> ParseColumnOrder(const QString& value) {
    QList<qint64> ids;
    for (const QString& piece : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 id = piece.trimmed().toLongLong(&ok);
        if (ok) ids << id;
    }
    return ids;
}

QList<qint64> ReadColumnOrder(ParamStore& params, const QString& formatName) {
    return ParseColumnOrder(params.GetParam(ColumnOrderKey(formatName)));
}

bool StoreColumnOrder(ParamStore& params, const QString& formatName, const QList<qint64>& ids) {
    QStringList pieces;
    for (qint64 id : ids) pieces << QString::number(id);
    return params.SetParam(ColumnOrderKey(formatName), pieces.join(QLatin1Char(';')));
}

QList<HistoryColumn> ApplyColumnOrder(const QList<HistoryColumn>& columns,
                                      const QList<qint64>& order) {
    if (order.isEmpty()) return columns;
    QList<HistoryColumn> ordered;
    QSet<qint64> placed;
    for (qint64 id : order) {
        if (placed.contains(id)) continue;
        for (const HistoryColumn& column : columns)
            if (column.boxId == id) {
                ordered << column;
                placed.insert(id);
                break;
            }
    }
    return ordered;
}

QList<HistoryColumn> HistoryColumns(Database& db, ParamStore& params, const QString& formatName) {
    return ApplyColumnOrder(FormatColumns(db, formatName), ReadColumnOrder(params, formatName));
}

QList<ColumnChoice> ColumnChoices(const QList<HistoryColumn>& columns, const QList<qint64>& order) {
    QList<ColumnChoice> choices;
    QSet<qint64> shown;
    if (!order.isEmpty())
        for (const HistoryColumn& column : ApplyColumnOrder(columns, order)) {
            choices.append({column, true});
            shown.insert(column.boxId);
        }
    for (const HistoryColumn& column : columns)
        if (!shown.contains(column.boxId)) choices.append({column, false});
    return choices;
}

QList<qint64> ChosenOrder(const QList<ColumnChoice>& choices) {
    QList<qint64> ids;
    for (const ColumnChoice& choice : choices)
        if (choice.shown) ids << choice.column.boxId;
    return ids;
}
