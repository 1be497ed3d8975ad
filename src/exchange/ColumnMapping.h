#pragma once
// The column mapping of a format: per box an expression kept in table 映射
// (ID = the box record's ID, Fmt, Map), and the boxes it applies to.
#include "exchange/BillData.h"

#include <QHash>
#include <QList>

class Database;
struct Format;

struct MappedBox {
    BillColumn box;
    QString expression; // as typed; empty when the box has none
};

// The text, check and picture boxes of `format` in grid order, with their stored
// expressions.
QList<MappedBox> MappedBoxes(const Format& format, const QHash<qint64, QString>& expressions);

// The format's stored expressions by box ID.
QHash<qint64, QString> LoadMapping(Database& db, const QString& formatName);

// Replaces the format's rows with one row per box that has an expression, in one
// transaction. Boxes not yet saved (temporary IDs) are left out: their IDs change.
bool SaveMapping(Database& db, const QString& formatName, const QList<MappedBox>& boxes);

// The columns of the bill-data grid for these boxes.
QList<BillColumn> BillColumns(const QList<MappedBox>& boxes);
