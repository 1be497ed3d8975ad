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
    return reader;
}

QStringList XlsxReader::SheetNames() const {
    QStringList names;
    for (const XlsxWorkbook::Sheet& sheet : workbook_.sheets) names << sheet.name;
    return names;
}

bool XlsxReader::SelectSheet(const QString& name, QString* error) {
    if (name == selected_ && !name.isEmpty()) return true;
    for (const XlsxWorkbook::Sheet& sheet : workbook_.sheets) {
        if (sheet.name != name) continue;
        cells_ = SheetCells();
        selected_.clear();
        const XlsxProblem problem = ReadXlsxSheet(*package_, limits_, workbook_, sheet.part, cells_);
        if (problem != XlsxProblem::None) {
            cells_ = SheetCells();
            if (error) *error = XlsxProblemText(problem, limits_);
            return false;
        }
        selected_ = name;
        return true;
    }
    if (error) *error = ExchangeText::kWrongSheetName;
    return false;
}
