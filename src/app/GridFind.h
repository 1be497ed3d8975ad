#pragma once
// The cyclic find of the grids: the next row after the current one, wrapping from the
// last row to the first, with a cell that holds the key (case-sensitive). Repeated
// finds walk through all matching rows.
#include <QList>
#include <optional>

class QAbstractItemModel;
class QString;

// Looks in `columns` of every row, starting after `currentRow` and ending with it;
// nullopt when the key is empty or no row holds it.
std::optional<int> FindNextRow(const QAbstractItemModel& model, int currentRow,
                               const QString& key, const QList<int>& columns);
