#pragma once
// Turning the rows of a worksheet into bill-data rows through the column mapping.
#include "exchange/BillData.h"
#include "exchange/ColumnMapping.h"
#include "exchange/MappingExpression.h"
#include "exchange/RowSettings.h"

class Progress;
class SheetReader;

// How many rows the record starting at `row` covers: the interval, or with a marker
// column the run of rows (at most the interval) whose marker equals the first one's.
int RecordSpan(const SheetReader& sheet, int row, const ImportRange& range);

// One value of a box for the record at `row`: its terms joined, line breaks made the
// line-break marker, one trailing tab removed. A cell beyond the record's span or
// beyond `lastRow` ends the box's terms.
QString MappedValue(const SheetReader& sheet, const QList<MappingTerm>& terms, int row, int span,
                    int lastRow, const QString& lineBreakMarker);

// The bill-data rows for the records from range.start on. The end row stops at the
// sheet's last used row, so a large end row adds no empty bills.
BillData ImportRecords(const SheetReader& sheet, const QList<MappedBox>& boxes,
                       const ImportRange& range, const QString& lineBreakMarker,
                       Progress& progress);
