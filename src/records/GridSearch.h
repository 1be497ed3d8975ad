#pragma once
// The cyclic search of a grid (FindInGrid): each use finds the next row holding the
// key, so repeated use walks through all matching rows.
#include <QString>

class QAbstractItemModel;

// Where a search begins: the current row, or the row after it (wrapping round) when
// the whole current row is selected, since that row was the previous hit.
int SearchStartRow(int currentRow, bool wholeRowSelected, int rowCount);

// The first row from `start` on, wrapping from the last row to the first, with a cell
// in a column from `firstColumn` on that contains `key` (case-sensitive); -1 when no
// row does. The key is trimmed; an empty key finds nothing.
int FindRowContaining(const QAbstractItemModel& model, int firstColumn, const QString& key,
                      int start);
