#include "app/GridFind.h"

#include <QAbstractItemModel>

std::optional<int> FindNextRow(const QAbstractItemModel& model, int currentRow,
                               const QString& key, const QList<int>& columns) {
    const int rows = model.rowCount();
    if (key.isEmpty() || rows == 0) return std::nullopt;
    const int start = currentRow < 0 ? rows - 1 : currentRow;
    for (int step = 1; step <= rows; ++step) {
        const int row = (start + step) % rows;
        for (int column : columns)
            if (model.index(row, column).data().toString().contains(key, Qt::CaseSensitive))
                return row;
    }
    return std::nullopt;
}
