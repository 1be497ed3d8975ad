#include "exchange/SheetCells.h"

#include <algorithm>

namespace {
bool BeforeColumn(const auto& entry, int column) { return entry.column < column; }
} // namespace

void SheetCells::Set(int row, int column, const QString& text) {
    if (text.isEmpty()) return;
    auto& cells = rows_[row];
    // Cells come in column order; anything else is put in its place.
    if (cells.isEmpty() || cells.last().column < column) {
        cells.append({column, text});
        ++size_;
    } else {
        const auto at = std::lower_bound(cells.begin(), cells.end(), column, BeforeColumn<Entry>);
        if (at != cells.end() && at->column == column) {
            at->text = text;
        } else {
            cells.insert(at, {column, text});
            ++size_;
        }
    }
    rowCount_ = std::max(rowCount_, row);
    columnCount_ = std::max(columnCount_, column);
}

QString SheetCells::Cell(int row, int column) const {
    const auto found = rows_.constFind(row);
    if (found == rows_.cend()) return {};
    const auto at = std::lower_bound(found->cbegin(), found->cend(), column, BeforeColumn<Entry>);
    return at != found->cend() && at->column == column ? at->text : QString();
}
