#include "records/GridSearch.h"

#include <QAbstractItemModel>

int SearchStartRow(int currentRow, bool wholeRowSelected, int rowCount) {
    if (rowCount <= 0) return 0;
    if (currentRow < 0 || currentRow >= rowCount) return 0;
    return wholeRowSelected ? (currentRow + 1) % rowCount : currentRow;
}

int FindRowContaining(const QAbstractItemModel& model, int firstColumn, const QString& key,
                      int start) {
    const QString needle = key.trimmed();
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    if (needle.isEmpty() || rows == 0) return -1;
    for (int step = 0; step < rows; ++step) {
        const int row = (start + step) % rows;
        for (int column = firstColumn; column < columns; ++column)
            if (model.index(row, column).data().toString().contains(needle, Qt::CaseSensitive))
                return row;
    }
    return -1;
}
