#pragma once
// One way to read every kind of import file: open it by name, list its worksheets,
// choose one, and read its cells as text. Rows and columns count from 1; a cell
// outside the used range reads as "".
#include <QString>
#include <QStringList>
#include <memory>

class SheetReader {
public:
    virtual ~SheetReader() = default;
    virtual QStringList SheetNames() const = 0;
    // Makes a worksheet current; false with `error` set (a message for the user).
    virtual bool SelectSheet(const QString& name, QString* error) = 0;
    // The last row and column that hold anything in the current worksheet.
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual QString Cell(int row, int column) const = 0;
    // Things the user should know that did not stop the reading.
    virtual QStringList Warnings() const { return {}; }
};

enum class SheetFileType { Unsupported, Csv, Xls, Xlsx };

// The reader a file needs: ".csv" by its name; a spreadsheet by its first bytes, so
// a workbook saved under the other spreadsheet extension still opens.
SheetFileType DetectSheetFileType(const QString& path);

// Opens a file of any supported type; nullptr with `error` set when it cannot be read.
// With `lastRow` a CSV file is read no further than that row (0: to its end).
std::unique_ptr<SheetReader> OpenSheetFile(const QString& path, QString* error, int lastRow = 0);
