#pragma once
// The bill-data grid as a grid of text for export: row 0 (hidden) holds each column's
// box number, row 1 the box labels under "序号"; then one row per bill, its running
// number first.
#include "exchange/BillData.h"
#include "exchange/GridTable.h"

// `columnWidths` in twips: the running-number column, then one per box column.
GridTable BillDataGrid(const BillData& data, const QList<int>& columnWidths = {});

// The labels, then each row's values: what the command line writes.
QList<QStringList> BillDataRows(const BillData& data);
