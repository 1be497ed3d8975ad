#pragma once
// A grid as the window holds it, for export: rows of text cells whose first
// `fixedRows` rows are headers, hidden rows and columns (the box-ID row, the
// bill-number column) and column widths in twips. The bill-data grid and the
// history grid both export through this.
#include <QList>
#include <QSet>
#include <QStringList>

struct GridTable {
    QList<QStringList> cells;
    int fixedRows = 0;
    QSet<int> hiddenRows;
    QSet<int> hiddenColumns;
    QList<int> columnWidths; // twips, by column; a missing width counts as kDefaultWidth

    static constexpr int kDefaultWidth = 1200;

    int ColumnCount() const {
        int count = 0;
        for (const QStringList& row : cells) count = qMax(count, int(row.size()));
        return count;
    }
    QList<int> VisibleRows() const {
        QList<int> rows;
        for (int r = 0; r < cells.size(); ++r)
            if (!hiddenRows.contains(r)) rows << r;
        return rows;
    }
    QList<int> VisibleColumns() const {
        QList<int> columns;
        for (int c = 0, count = ColumnCount(); c < count; ++c)
            if (!hiddenColumns.contains(c)) columns << c;
        return columns;
    }
};
