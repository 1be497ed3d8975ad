#include "records/HistoryCsv.h"

#include "core/CsvField.h"
#include "core/Progress.h"
#include "records/RecordsTexts.h"

#include <QTextStream>

namespace {

void WriteCsvLine(const QStringList& cells, QTextStream& out) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) out << QLatin1Char(',');
        out << CsvField(cells[i]);
    }
    out << QLatin1Char('\n');
}

} // namespace

QStringList HistoryHeader(const QList<HistoryColumn>& columns) {
    QStringList header{RecordsText::kBillNumber};
    for (const HistoryColumn& column : columns) header << column.label;
    return header;
}

HistoryReading WriteHistoryCsv(Database& db, const QString& formatName,
                               const QList<HistoryColumn>& columns, HistoryLimit limit,
                               QTextStream& out) {
    WriteCsvLine(HistoryHeader(columns), out);
    SilentProgress progress;
    return StreamHistory(db, formatName, columns, limit, progress, [&out](const HistoryRow& row) {
        WriteCsvLine(QStringList{QString::number(row.bill)} + row.cells, out);
    });
}
