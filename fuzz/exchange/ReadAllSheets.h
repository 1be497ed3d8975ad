#pragma once
// Selects every worksheet of a reader and reads its first cells; aborts when more
// cells are filled than the limit allows.
#include "exchange/SheetReader.h"

#include <cstdlib>

inline void ReadAllSheets(SheetReader& reader, qsizetype cellLimit) {
    QString error;
    for (const QString& name : reader.SheetNames()) {
        if (!reader.SelectSheet(name, &error)) continue;
        qsizetype filled = 0;
        for (int row = 1; row <= reader.RowCount() && row <= 200; ++row)
            for (int column = 1; column <= reader.ColumnCount() && column <= 50; ++column)
                filled += !reader.Cell(row, column).isEmpty();
        if (filled > cellLimit) std::abort();
    }
}
