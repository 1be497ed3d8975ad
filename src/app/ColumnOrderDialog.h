#pragma once
// The column-order dialog of the history grid: one row per box of the format with
// the columns "ID" (hidden), "LBL", "序号", "显示" and "名称". The shown boxes come
// first in their order, marked "√"; clicking a "显示" cell toggles the mark and the
// up and down buttons move the current row.
#include "records/ColumnOrder.h"

#include <QDialog>

class QTableWidget;

class ColumnOrderDialog final : public QDialog {
    Q_OBJECT
public:
    ColumnOrderDialog(const QList<ColumnChoice>& choices, QWidget* parent = nullptr);

    // The rows as they stand, top to bottom.
    QList<ColumnChoice> Choices() const;
    QTableWidget* Grid() const { return grid_; }
    void ToggleShown(int row);
    void MoveCurrent(int delta);

    static constexpr int kShownColumn = 3;

private:
    void FillRow(int row, const ColumnChoice& choice);

    QTableWidget* grid_;
};
