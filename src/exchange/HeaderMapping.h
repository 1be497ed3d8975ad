#pragma once
// A file whose first row names the boxes by their labels maps itself: each box takes
// the column headed by its label. Used when a format has no stored mapping.
#include "exchange/ColumnMapping.h"

class SheetReader;

// Whether any box has a mapping expression.
bool HasMapping(const QList<MappedBox>& boxes);

// Gives each box whose label (trimmed) heads a column of row 1 that column; the
// first such column when several carry the label. True when at least one box got one.
bool MapByHeaderRow(const SheetReader& sheet, QList<MappedBox>& boxes);
