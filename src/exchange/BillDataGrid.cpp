#include "exchange/BillDataGrid.h"

#include "exchange/ExchangeTexts.h"

GridTable BillDataGrid(const BillData& data, const QList<int>& columnWidths) {
    GridTable grid;
    QStringList numbers{QString()};
    QStringList labels{ExchangeText::kRunningNumber};
    for (const BillColumn& column : data.columns) {
        numbers << QString::number(column.boxNumber);
        labels << column.label;
    }
    grid.cells << numbers << labels;
    for (const BillRow& row : data.rows) grid.cells << (QStringList{QString::number(row.number)} + row.values);
    grid.fixedRows = 2;
    grid.hiddenRows.insert(0);
    grid.columnWidths = columnWidths;
    return grid;
}

QList<QStringList> BillDataRows(const BillData& data) {
    QList<QStringList> rows;
    QStringList labels;
    for (const BillColumn& column : data.columns) labels << column.label;
    rows << labels;
    for (const BillRow& row : data.rows) rows << row.values;
    return rows;
}
