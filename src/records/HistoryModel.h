#pragma once
// The history grid's model: one row per stored bill of the open format, newest first.
// Column 0 holds the bill number (the view hides it), column 1 ("序号") the running
// number, then one column per shown box; each column's header carries its box ID in
// Qt::UserRole. The rows live in memory; a view paints only the visible ones, so
// showing every bill of a large history stays quick.
#include "records/HistoryReader.h"

#include <QAbstractTableModel>

class Asker;
class Database;
class ParamStore;
class Progress;

class HistoryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kBillColumn = 0;
    static constexpr int kRunningColumn = 1;
    static constexpr int kFirstDataColumn = 2;
    // The rows the history tab reads at first; 0 reads all.
    static constexpr qint64 kFirstLimit = 300;

    HistoryModel(Database& db, ParamStore& params, QObject* parent = nullptr);

    // ShowHistory: fills the model with the format's bills, at most `limit` stored
    // values (0: all). Nothing is read when the same format and limit are shown
    // already; true when the table was read.
    bool Show(const QString& formatName, qint64 limit, Progress& progress);
    // The next Show reads the table again (after a print added a bill).
    void Forget() { shown_.clear(); }
    // Whether the last Show left stored values unread (the show-all button).
    bool MoreLeft() const { return moreLeft_; }
    QString FormatName() const { return formatName_; }
    qint64 Limit() const { return limit_; }

    qint64 BillNumber(int row) const;
    const QList<HistoryColumn>& Columns() const { return columns_; }

    // DeleteHistoryRows: asks "您确定要删除第…至第…行？" (rows counted from 1), then
    // deletes the bills of rows first..last from the table and the model. A failed
    // deletion is reported and leaves every row. True when deleted.
    bool DeleteRows(int first, int last, Asker& asker);

    // A header click: the column sorts ascending ("△"), a second click descending
    // ("▽"); other columns lose their marker.
    void SortByHeader(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString Cell(const HistoryRow& row, int column) const;

    Database& db_;
    ParamStore& params_;
    QString shown_; // limit + "|" + format name of the contents; empty when unknown
    QString formatName_;
    qint64 limit_ = 0;
    bool moreLeft_ = false;
    QList<HistoryColumn> columns_;
    QList<HistoryRow> rows_;
    int sortColumn_ = -1;
    bool ascending_ = true;
};
