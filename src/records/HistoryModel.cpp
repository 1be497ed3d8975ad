#include "records/HistoryModel.h"

#include "core/Asker.h"
#include "records/CellOrder.h"
#include "records/History.h"
#include "records/RecordsTexts.h"

#include <algorithm>
#include <numeric>

HistoryModel::HistoryModel(Database& db, ParamStore& params, QObject* parent)
    : QAbstractTableModel(parent), db_(db), params_(params) {}

bool HistoryModel::Show(const QString& formatName, qint64 limit, Progress& progress) {
    const QString wanted = QString::number(limit) + QLatin1Char('|') + formatName;
    if (wanted == shown_) return false;
    QList<HistoryColumn> columns = HistoryColumns(db_, params_, formatName);
    HistoryPage page = ReadHistory(db_, formatName, columns, {limit, 0}, progress);
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = std::move(page.rows);
    formatName_ = formatName;
    limit_ = limit;
    moreLeft_ = page.moreLeft;
    sortColumn_ = -1;
    // A failed read is tried again at the next showing.
    shown_ = page.failed ? QString() : wanted;
    endResetModel();
    return true;
}

qint64 HistoryModel::BillNumber(int row) const {
    return row >= 0 && row < rows_.size() ? rows_[row].bill : 0;
}

bool HistoryModel::DeleteRows(int first, int last, Asker& asker) {
    if (rows_.isEmpty()) return false;
    if (first > last) std::swap(first, last);
    first = std::clamp(first, 0, int(rows_.size()) - 1);
    last = std::clamp(last, 0, int(rows_.size()) - 1);
    if (!asker.AskYesNo(RecordsText::ConfirmDeleteRows(first + 1, last + 1))) return false;
    QList<qint64> bills;
    for (int row = first; row <= last; ++row) bills << rows_[row].bill;
    if (!DeleteBills(db_, formatName_, bills)) {
        asker.Message(RecordsText::kHistoryDeleteFailed);
        return false;
    }
    QList<int> removed;
    for (int row = first; row <= last; ++row) removed << rows_[row].running;
    std::sort(removed.begin(), removed.end());
    beginRemoveRows({}, first, last);
    rows_.remove(first, last - first + 1);
    endRemoveRows();
    // "序号" counts the rows as read, 1..n: the rows after the removed ones move up,
    // whatever column the grid is sorted by.
    for (HistoryRow& row : rows_)
        row.running -= int(std::lower_bound(removed.begin(), removed.end(), row.running) - removed.begin());
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, kRunningColumn), index(int(rows_.size()) - 1, kRunningColumn));
    return true;
}

void HistoryModel::SortByHeader(int column) {
    if (column < kRunningColumn || column >= columnCount()) return;
    ascending_ = column != sortColumn_ || !ascending_;
    sortColumn_ = column;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Keys once per row: the collation and number parsing are the costly part.
    std::vector<CellKey> keys;
    keys.reserve(rows_.size());
    for (const HistoryRow& row : std::as_const(rows_)) keys.emplace_back(Cell(row, column));
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int compared = keys[a].Compare(keys[b]);
        return ascending_ ? compared < 0 : compared > 0;
    });
    QList<HistoryRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newRow(order.size());
    for (int to = 0; to < int(order.size()); ++to) {
        sorted << std::move(rows_[order[to]]);
        newRow[order[to]] = to;
    }
    // The selection and the current row follow their bills.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before) after << this->index(newRow[index.row()], index.column());
    rows_ = std::move(sorted);
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstDataColumn + int(columns_.size());
}

QString HistoryModel::Cell(const HistoryRow& row, int column) const {
    if (column == kBillColumn) return QString::number(row.bill);
    if (column == kRunningColumn) return QString::number(row.running);
    return row.cells.value(column - kFirstDataColumn);
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return Cell(rows_[index.row()], index.column());
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const bool data = section >= kFirstDataColumn;
    if (role == Qt::UserRole) return data ? QVariant(columns_[section - kFirstDataColumn].boxId) : QVariant();
    if (role != Qt::DisplayRole) return {};
    QString text = section == kRunningColumn ? RecordsText::kRunningNumber
                   : data                    ? columns_[section - kFirstDataColumn].label
                                             : QString();
    if (section == sortColumn_) text += ascending_ ? RecordsText::kAscending : RecordsText::kDescending;
    return text;
}
