#pragma once
// The bill-data tab "单据数据": the grid of imported rows (MSF 1) and its row
// navigation (a scroll bar from 1 to the row count, previous and next, the position
// and the count). Moving to a row asks for it to be shown in the boxes. Header clicks
// sort; the popup menu exports, deletes and clears rows.
#include "exchange/BillData.h"

#include <QWidget>

class Asker;
class BillDataModel;
class Progress;
class QAction;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableView;
struct GridTable;

class BillDataView final : public QWidget {
    Q_OBJECT
public:
    BillDataView(Asker& asker, Progress& progress, QWidget* parent = nullptr);

    BillDataModel& Model() const { return *model_; }
    QTableView* Table() const { return table_; }

    // New rows: columns fitted, the first row shown.
    void SetData(BillData rows);
    // The row the navigation stands on, from 1; 0 without rows.
    int CurrentRow() const;
    // Moves the navigation to row `row` (from 1) and shows it.
    void ShowRow(int row);

    // FitColumns: each column as wide as its widest text, at most half the grid.
    void FitColumns();
    // ClearRows and DeleteRows (data rows from 0, either order), after asking when
    // `ask`; false when nothing was removed.
    bool ClearRows(bool ask);
    bool DeleteRows(int first, int last, bool ask);
    void DeleteSelectedRows();
    // The grid as exported: hidden box-number row, labels under "序号", the rows.
    GridTable Grid() const;
    // ExportGrid with the title "Vellumark打印批量数据"; the written path or "".
    QString Export();

Q_SIGNALS:
    void ImportRequested();
    // Data row `row` (from 0) is to be written into the boxes.
    void RowChosen(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildNavigation();
    void BuildMenu();
    void UpdateNavigation();
    void OnBarMoved(int value);

    Asker& asker_;
    Progress& progress_;
    BillDataModel* model_;
    QTableView* table_;
    QScrollBar* bar_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* count_ = nullptr;
    bool fitWhenShown_ = false;
};
