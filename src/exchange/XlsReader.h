#pragma once
// Binary .xls workbooks of Excel 97 and later (BIFF8): the workbook stream from the
// compound file, its shared strings and formats, and a worksheet's cells when it is
// selected. Numbers as the general format shows them, dates as YYYY-MM-DD.
#include "exchange/BiffWorkbook.h"
#include "exchange/LoadedSheetReader.h"
#include "exchange/WorkbookLimits.h"

class XlsReader final : public LoadedSheetReader {
public:
    // nullptr with `error` set when the workbook cannot be read; `olderVersion` is set
    // when it is an .xls file of an earlier BIFF version, for another reader.
    static std::unique_ptr<XlsReader> Open(const QString& path, QString* error, bool* olderVersion,
                                           const WorkbookLimits& limits = {});
    static std::unique_ptr<XlsReader> OpenBytes(const QByteArray& bytes, QString* error,
                                                bool* olderVersion, const WorkbookLimits& limits = {});

protected:
    QString LoadSheet(int index, SheetCells& cells) override;

private:
    XlsReader(QByteArray stream, const WorkbookLimits& limits) : stream_(std::move(stream)), limits_(limits) {}

    QByteArray stream_;
    WorkbookLimits limits_;
    BiffWorkbook workbook_;
};
