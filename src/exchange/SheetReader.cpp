#include "exchange/SheetReader.h"

#include "exchange/CsvReader.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SpreadsheetFiles.h"
#include "exchange/XlsReader.h"

#include <QFile>
#include <QFileInfo>

SheetFileType DetectSheetFileType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv") return SheetFileType::Csv;
    if (suffix != u"xls" && suffix != u"xlsx") return SheetFileType::Unsupported;
    QFile file(path);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
    if (start.startsWith("PK")) return SheetFileType::Xlsx;
    if (start == QByteArray("\xD0\xCF\x11\xE0", 4)) return SheetFileType::Xls;
    return suffix == u"xls" ? SheetFileType::Xls : SheetFileType::Xlsx;
}

std::unique_ptr<SheetReader> OpenSheetFile(const QString& path, QString* error, int lastRow) {
    const SheetFileType type = DetectSheetFileType(path);
    if (type == SheetFileType::Unsupported) {
        if (error) *error = ExchangeText::kUnsupportedType;
        return nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        if (error) *error = type == SheetFileType::Csv ? ExchangeText::kCsvImportError
                                                      : ExchangeText::kCannotOpenExcel;
        return nullptr;
    }
    if (type == SheetFileType::Csv) return CsvReader::Open(path, error, lastRow);
    if (type == SheetFileType::Xls) {
        bool olderVersion = false;
        std::unique_ptr<XlsReader> reader = XlsReader::Open(path, error, &olderVersion);
        if (reader || !olderVersion) return reader;
    }
    const SpreadsheetFiles* files = RequireSpreadsheetFiles(error);
    if (!files) return nullptr;
    return type == SheetFileType::Xls ? files->OpenOlderXls(path, error) : files->OpenXlsx(path, error);
}
