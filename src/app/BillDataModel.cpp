#include "app/BillDataModel.h"

#include <utility>

void BillDataModel::SetData(BillData data) {
    beginResetModel();
    data_ = std::move(data);
    marks_ = QList<SortMark>(data_.columns.size(), SortMark::None);
    endResetModel();
}

int BillDataModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(data_.rows.size());
}

int BillDataModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(data_.columns.size());
}

QVariant BillDataModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return data_.rows[index.row()].values.value(index.column());
}

QVariant BillDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical)
        return section < data_.rows.size() ? QVariant(data_.rows[section].number) : QVariant();
    if (section >= data_.columns.size()) return {};
    return MarkedHeader(data_.columns[section].label, marks_.value(section));
}

void BillDataModel::SortByHeader(int column) {
    if (column < 0 || column >= data_.columns.size()) return;
    const SortMark mark = NextSortMark(marks_[column]);
    marks_.fill(SortMark::None);
    marks_[column] = mark;
    QStringList keys;
    keys.reserve(data_.rows.size());
    for (const BillRow& row : data_.rows) keys << row.values.value(column);
    QList<BillRow> sorted;
    sorted.reserve(data_.rows.size());
    for (int from : SortedOrder(keys, mark == SortMark::Ascending)) sorted << data_.rows[from];
    beginResetModel();
    data_.rows = std::move(sorted);
    endResetModel();
}

void BillDataModel::RemoveRows(int first, int last) {
    if (first > last) std::swap(first, last);
    first = qMax(first, 0);
    last = qMin(last, rowCount() - 1);
    if (first > last) return;
    beginRemoveRows({}, first, last);
    data_.rows.remove(first, last - first + 1);
    endRemoveRows();
}

void BillDataModel::Clear() {
    if (data_.rows.isEmpty()) return;
    beginRemoveRows({}, 0, rowCount() - 1);
    data_.rows.clear();
    endRemoveRows();
}
