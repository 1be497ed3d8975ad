#include "exchange/XlsxReader.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/ZipPackage.h"

XlsxReader::XlsxReader(std::unique_ptr<ZipPackage> package, const WorkbookLimits& limits)
    : package_(std::move(package)), limits_(limits) {}

XlsxReader::~XlsxReader() = default;

std::unique_ptr<XlsxReader> XlsxReader::OpenFile(const QString& path, QString* error,
                                                 const WorkbookLimits& limits) {
    return Open(ZipPackage::OpenFile(path), error, limits);
}

std::unique_ptr<XlsxReader> XlsxReader::OpenBytes(const QByteArray& bytes, QString* error,
                                                  const WorkbookLimits& limits) {
    return Open(ZipPackage::OpenBytes(bytes), error, limits);
}

std::unique_ptr<XlsxReader> XlsxReader::Open(std::unique_ptr<ZipPackage> package, QString* error,
                                             const WorkbookLimits& limits) {
    if (!package) {
        if (error) *error = ExchangeText::kWrongFileType;
        return nullptr;
    }
    std::unique_ptr<XlsxReader> reader(new XlsxReader(std::move(package), limits));
    const XlsxProblem problem = ReadXlsxWorkbook(*reader->package_, limits, reader->workbook_);
    if (problem != XlsxProblem::None) {
        if (error) *error = XlsxProblemText(problem, limits);
        return nullptr;
    }
    QStringList names;
    for (const XlsxWorkbook::Sheet& sheet : reader->workbook_.sheets) names << sheet.name;
    reader->SetSheetNames(names);
    return reader;
}

QString XlsxReader::LoadSheet(int index, SheetCells& cells) {
    return XlsxProblemText(
        ReadXlsxSheet(*package_, limits_, workbook_, workbook_.sheets[index].part, cells), limits_);
}
