#pragma once
// The .xlsx workbooks and the older .xls versions are read and written with libzip,
// libxlsxwriter and FreeXL, libraries that bind thousands of symbols (and libcrypto)
// when they load. Only the code that links them (LinkedSpreadsheetFiles.h: the
// spreadsheet module a run loads on its first such file, and the tests) registers a
// SpreadsheetFiles here; the import and the export reach those files through it. CSV
// files, the BIFF8 .xls reader and a printed bill load none of them.
#include <QString>
#include <memory>

class Progress;
class SheetReader;
struct GridTable;

class SpreadsheetFiles {
public:
    virtual ~SpreadsheetFiles() = default;
    // nullptr with `error` set (a message for the user) when the workbook cannot be read.
    virtual std::unique_ptr<SheetReader> OpenXlsx(const QString& path, QString* error) const = 0;
    // The BIFF versions before Excel 97, which the BIFF8 reader leaves alone.
    virtual std::unique_ptr<SheetReader> OpenOlderXls(const QString& path, QString* error) const = 0;
    // GridXlsx.h: written to a temporary file that then replaces `path`.
    virtual bool WriteXlsx(const GridTable& grid, const QString& path, const QString& sheetTitle,
                           Progress& progress) const = 0;
};

void RegisterSpreadsheetFiles(const SpreadsheetFiles* files);

// How the program brings in its spreadsheet files when a run first needs them (its
// spreadsheet module): null with `problem` set when it cannot. Set at start.
using SpreadsheetFilesLoader = const SpreadsheetFiles* (*)(QString* problem);
void SetSpreadsheetFilesLoader(SpreadsheetFilesLoader load);

// The registered spreadsheet files, else the ones the loader brings; null with `problem`
// set (a message for the user) when there are none.
const SpreadsheetFiles* RequireSpreadsheetFiles(QString* problem);
