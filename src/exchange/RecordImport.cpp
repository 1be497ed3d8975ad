#include "exchange/RecordImport.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/ProgressTicker.h"
#include "exchange/SheetReader.h"

int RecordSpan(const SheetReader& sheet, int row, const ImportRange& range) {
    if (range.markerColumn == 0) return range.interval;
    const QString marker = sheet.Cell(row, range.markerColumn);
    int span = 1;
    while (span < range.interval && row + span <= sheet.RowCount() &&
           sheet.Cell(row + span, range.markerColumn) == marker)
        ++span;
    return span;
}

QString MappedValue(const SheetReader& sheet, const QList<MappingTerm>& terms, int row, int span,
                    int lastRow, const QString& lineBreakMarker) {
    QString value;
    for (const MappingTerm& term : terms) {
        if (term.literal) {
            value += term.text;
            continue;
        }
        if (term.offset >= span || row + term.offset > lastRow) break;
        value += sheet.Cell(row + term.offset, term.column);
    }
    value.replace(QStringLiteral("\r\n"), lineBreakMarker);
    value.replace(u'\n', lineBreakMarker).replace(u'\r', lineBreakMarker);
    if (value.endsWith(u'\t')) value.chop(1);
    return value;
}

BillData ImportRecords(const SheetReader& sheet, const QList<MappedBox>& boxes,
                       const ImportRange& range, const QString& lineBreakMarker,
                       Progress& progress) {
    BillData data;
    data.columns = BillColumns(boxes);
    const int lastRow = qMin(range.end, sheet.RowCount());
    QList<QList<MappingTerm>> terms;
    for (const MappedBox& box : boxes)
        terms << (box.expression.isEmpty() ? QList<MappingTerm>() : ParseMappingExpression(box.expression));
    // A box the mapping gives nothing keeps its column, empty, but rows leave the box alone.
    for (qsizetype i = 0; i < terms.size(); ++i) data.columns[i].mapped = !terms[i].isEmpty();
    ProgressTicker ticker(progress, ExchangeText::kReadingData, qMax(0, lastRow - range.start + 1));
    for (int row = range.start; row <= lastRow;) {
        const int span = RecordSpan(sheet, row, range);
        BillRow bill;
        bill.number = int(data.rows.size()) + 1;
        for (const QList<MappingTerm>& boxTerms : terms)
            bill.values << MappedValue(sheet, boxTerms, row, span, lastRow, lineBreakMarker);
        data.rows << bill;
        ticker.Advance(span);
        row += span;
    }
    return data;
}
