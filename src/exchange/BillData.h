#pragma once
// The rows of the bill-data grid: one column per input box of kinds 0 to 2 (text
// boxes, then check boxes, then picture boxes, each kind in order), one row per bill.
#include <QList>
#include <QString>
#include <QStringList>

struct BillColumn {
    int boxNumber = 0; // kind * 1000 + n
    qint64 boxId = 0;  // the box record's ID
    QString label;
    // The mapping fills the column; a box it gives nothing keeps its empty column in
    // the grid, but a row does not enter that emptiness into the box.
    bool mapped = true;
};

struct BillRow {
    int number = 0;     // the running number given by the import
    QStringList values; // one per column
};

struct BillData {
    QList<BillColumn> columns;
    QList<BillRow> rows;
};
