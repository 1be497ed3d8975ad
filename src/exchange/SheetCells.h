#pragma once
// The filled cells of one worksheet, stored sparsely: memory follows the cells that
// hold text, not the sheet's extent.
#include <QHash>
#include <QList>
#include <QString>

class SheetCells {
public:
    // Empty texts are not stored; a cell set twice keeps the last text.
    void Set(int row, int column, const QString& text);
    QString Cell(int row, int column) const;
    int RowCount() const { return rowCount_; }
    int ColumnCount() const { return columnCount_; }
    qsizetype Size() const { return size_; }

private:
    struct Entry {
        int column;
        QString text;
    };
    QHash<int, QList<Entry>> rows_; // each row's cells by ascending column
    int rowCount_ = 0;
    int columnCount_ = 0;
    qsizetype size_ = 0;
};
