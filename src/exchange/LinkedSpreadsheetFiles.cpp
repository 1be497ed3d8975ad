#include "exchange/LinkedSpreadsheetFiles.h"

#include "exchange/FreeXlReader.h"
#include "exchange/GridXlsx.h"
#include "exchange/SpreadsheetFiles.h"
#include "exchange/XlsxReader.h"

namespace {

class Linked final : public SpreadsheetFiles {
public:
    std::unique_ptr<SheetReader> OpenXlsx(const QString& path, QString* error) const override {
        return XlsxReader::OpenFile(path, error);
    }
    std::unique_ptr<SheetReader> OpenOlderXls(const QString& path, QString* error) const override {
        return FreeXlReader::Open(path, error);
    }
    bool WriteXlsx(const GridTable& grid, const QString& path, const QString& sheetTitle,
                   Progress& progress) const override {
        return WriteGridXlsx(grid, path, sheetTitle, progress);
    }
};

} // namespace

const SpreadsheetFiles& LinkedSpreadsheetFiles() {
    static const Linked files;
    return files;
}
