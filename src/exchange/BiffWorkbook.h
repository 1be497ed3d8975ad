#pragma once
// The parts of a BIFF8 workbook stream the import reads: the worksheets, the shared
// strings, the cell formats that show dates, and each worksheet's cells.
#include "exchange/SpreadsheetValues.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class SheetCells;

struct BiffWorkbook {
    struct Sheet {
        QString name;
        quint32 offset = 0; // of the sheet's records in the stream
    };
    QList<Sheet> sheets;
    QStringList strings;
    QList<DateParts> cellStyles; // by format record index
    bool date1904 = false;
};

enum class BiffProblem { None, NotBiff8, Damaged, TooManyCells };

BiffProblem ReadBiffWorkbook(const QByteArray& stream, qsizetype maxCells, BiffWorkbook& workbook);

BiffProblem ReadBiffSheet(const QByteArray& stream, const BiffWorkbook& workbook, quint32 offset,
                          qsizetype maxCells, SheetCells& cells);
