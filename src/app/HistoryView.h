#pragma once
// The "历史记录" tab: the stored bills of the open format in a table that paints only
// the visible rows, with search, show-all, column order, deleting and reloading a
// bill. The first showing reads the newest 300 stored values; "显示全部" reads all.
#include <QWidget>

class Asker;
class Database;
class HistoryModel;
class ParamStore;
class Progress;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

class HistoryView final : public QWidget {
    Q_OBJECT
public:
    HistoryView(Database& db, ParamStore& params, Asker& asker, Progress& progress,
                QWidget* parent = nullptr);

    // The format whose bills the view shows; empty when none is open.
    void SetFormat(const QString& name);
    // ShowHistory: reads the table unless this format and limit are shown already.
    void ShowHistory(qint64 limit);
    // The next showing reads the table again; a visible view reads it at once.
    void Refresh();

    // FindInGrid with the key: selects the next row that holds it, or says there is none.
    void FindInGrid(const QString& key);
    // DeleteHistoryRows and DeleteAllHistory, after the question.
    void DeleteSelectedBills();
    void DeleteAllBills();
    // The column-order dialog; confirming stores the order and shows 300 values again.
    void EditColumnOrder();
    // Asks the window to put the current row's bill into the boxes.
    void LoadCurrentBill();

    HistoryModel& Model() const { return *model_; }
    QTableView* Table() const { return table_; }

Q_SIGNALS:
    // The user chose a stored bill to put into the boxes.
    void BillChosen(qint64 billNumber);
    // The user asked to print the selected bills again.
    void PrintRequested();

private:
    void AfterShowing();
    void ShowMenu(const QPoint& position);
    QPushButton* AddButton(const QString& name, const QString& text);

    Database& db_;
    ParamStore& params_;
    Asker& asker_;
    Progress& progress_;
    QString formatName_;
    HistoryModel* model_;
    QTableView* table_;
    QLineEdit* findField_;
    QPushButton* showAll_ = nullptr;
    QMenu* menu_;
};
