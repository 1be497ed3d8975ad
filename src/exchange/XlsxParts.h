#pragma once
// The parts of an .xlsx workbook the import reads: the list of worksheets, the
// shared strings, the cell styles' number formats and each worksheet's cells.
#include "exchange/SpreadsheetValues.h"
#include "exchange/WorkbookLimits.h"

#include <QList>
#include <QString>
#include <QStringList>

class SheetCells;
class ZipPackage;


enum class XlsxProblem { None, NotWorkbook, TooLarge, TooManyCells };

// The message for the user.
QString XlsxProblemText(XlsxProblem problem, const WorkbookLimits& limits);

struct XlsxWorkbook {
    struct Sheet {
        QString name;
        QString part; // path inside the package
    };
    QList<Sheet> sheets;
    QStringList sharedStrings;
    QList<DateParts> cellStyles; // by style index
    bool date1904 = false;
};

XlsxProblem ReadXlsxWorkbook(const ZipPackage& package, const WorkbookLimits& limits,
                             XlsxWorkbook& workbook);

XlsxProblem ReadXlsxSheet(const ZipPackage& package, const WorkbookLimits& limits,
                          const XlsxWorkbook& workbook, const QString& part, SheetCells& cells);
