#pragma once
// Which boxes the history grid shows and in what order. A format's boxes of kinds
// text, check and picture are its columns, by ID; the user's column order (parameter
// name + "_列顺序": the IDs of the shown boxes joined by ";") reduces and reorders them.
#include <QList>
#include <QString>
#include <QtGlobal>

class Database;
class ParamStore;

struct HistoryColumn {
    qint64 boxId = 0;
    QString label;
    bool operator==(const HistoryColumn&) const = default;
};

// The stored format's boxes that hold bill values (as HoldsBillValue), by ID.
QList<HistoryColumn> FormatColumns(Database& db, const QString& formatName);

QString ColumnOrderKey(const QString& formatName);
// The listed IDs; pieces that are not numbers are dropped.
QList<qint64> ParseColumnOrder(const QString& value);
QList<qint64> ReadColumnOrder(ParamStore& params, const QString& formatName);
bool StoreColumnOrder(ParamStore& params, const QString& formatName, const QList<qint64>& ids);

// The columns the order lists, in its order; IDs of boxes that no longer exist (and
// repeats) are skipped. An empty order keeps every column.
QList<HistoryColumn> ApplyColumnOrder(const QList<HistoryColumn>& columns,
                                      const QList<qint64>& order);

// The grid's columns for the format: FormatColumns reduced by its column order.
QList<HistoryColumn> HistoryColumns(Database& db, ParamStore& params, const QString& formatName);

// The rows of the column-order dialog: the ordered columns first, shown, then the
// others in ID order, not shown.
struct ColumnChoice {
    HistoryColumn column;
    bool shown = false;
};
QList<ColumnChoice> ColumnChoices(const QList<HistoryColumn>& columns, const QList<qint64>& order);
// The order the dialog's rows give: the shown rows' IDs from top to bottom.
QList<qint64> ChosenOrder(const QList<ColumnChoice>& choices);
