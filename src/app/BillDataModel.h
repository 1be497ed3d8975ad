#pragma once
// The bill-data grid's model: one row per imported bill, one column per box, the
// running numbers as row headers and the box labels (with the sort mark) as column
// headers.
#include "exchange/BillData.h"
#include "exchange/GridSort.h"

#include <QAbstractTableModel>

class BillDataModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetData(BillData data);
    const BillData& Data() const { return data_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A header click: ascending first, then descending; other columns lose their mark.
    void SortByHeader(int column);
    // Removes data rows first..last (0-based, either order).
    void RemoveRows(int first, int last);
    void Clear();

private:
    BillData data_;
    QList<SortMark> marks_;
};
