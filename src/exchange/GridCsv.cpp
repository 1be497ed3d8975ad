#include "exchange/GridCsv.h"

#include "core/CsvField.h"
#include "exchange/CsvParser.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridTable.h"
#include "exchange/ProgressTicker.h"

#include <QSaveFile>

QString CsvLine(const QStringList& cells, bool appendTab) {
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) line += u',';
        line += CsvField(appendTab ? cells[i] + u'\t' : cells[i]);
    }
    return line;
}

bool WriteGridCsv(const GridTable& grid, const QString& path, Progress& progress) {
    const QList<int> rows = grid.VisibleRows();
    const QList<int> columns = grid.VisibleColumns();
    ProgressTicker ticker(progress, ExchangeText::kExportingCsv, rows.size());
    QString text;
    QStringList fields;
    for (int row : rows) {
        fields.clear();
        for (int column : columns) fields << grid.cells[row].value(column);
        text += CsvLine(fields, true);
        text += QStringLiteral("\r\n");
        ticker.Advance();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write("\xEF\xBB\xBF");
    file.write(text.toUtf8());
    return file.commit();
}
