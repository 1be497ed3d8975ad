#pragma once
// .xlsx workbooks: libzip for the package, a streaming XML reader for the parts.
// Shared and inline strings, numbers as the general format shows them, dates as
// YYYY-MM-DD. A worksheet is read when it is selected.
#include "exchange/LoadedSheetReader.h"
#include "exchange/XlsxParts.h"

#include <QByteArray>

class ZipPackage;

class XlsxReader final : public LoadedSheetReader {
public:
    // nullptr with `error` set (a message for the user) when the workbook cannot be read.
    static std::unique_ptr<XlsxReader> OpenFile(const QString& path, QString* error,
                                                const WorkbookLimits& limits = {});
    static std::unique_ptr<XlsxReader> OpenBytes(const QByteArray& bytes, QString* error,
                                                 const WorkbookLimits& limits = {});
    ~XlsxReader() override;

protected:
    QString LoadSheet(int index, SheetCells& cells) override;

private:
    XlsxReader(std::unique_ptr<ZipPackage> package, const WorkbookLimits& limits);
    static std::unique_ptr<XlsxReader> Open(std::unique_ptr<ZipPackage> package, QString* error,
                                            const WorkbookLimits& limits);

    std::unique_ptr<ZipPackage> package_;
    WorkbookLimits limits_;
    XlsxWorkbook workbook_;
};
