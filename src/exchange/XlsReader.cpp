#include "exchange/XlsReader.h"

#include "exchange/CompoundFile.h"
#include "exchange/ExchangeTexts.h"

#include <QFile>

namespace {
QString ProblemText(BiffProblem problem, const WorkbookLimits& limits) {
    return problem == BiffProblem::TooManyCells ? ExchangeText::kTooManyCells.arg(limits.cells)
                                                : ExchangeText::kWrongFileType;
}
} // namespace

std::unique_ptr<XlsReader> XlsReader::Open(const QString& path, QString* error, bool* olderVersion,
                                           const WorkbookLimits& limits) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (olderVersion) *olderVersion = false;
        if (error) *error = ExchangeText::kCannotOpenExcel;
        return nullptr;
    }
    if (file.size() > limits.xlsFileBytes) {
        if (olderVersion) *olderVersion = false;
        if (error) *error = ExchangeText::XlsTooLarge(limits.xlsFileBytes);
        return nullptr;
    }
    return OpenBytes(file.readAll(), error, olderVersion, limits);
}

std::unique_ptr<XlsReader> XlsReader::OpenBytes(const QByteArray& bytes, QString* error,
                                                bool* olderVersion, const WorkbookLimits& limits) {
    if (olderVersion) *olderVersion = false;
    std::optional<QByteArray> stream = ReadCompoundStream(bytes, QStringLiteral("Workbook"));
    if (!stream) {
        // Excel 5 and 95 named the stream "Book".
        if (olderVersion) *olderVersion = ReadCompoundStream(bytes, QStringLiteral("Book")).has_value();
        if (error) *error = ExchangeText::kWrongFileType;
        return nullptr;
    }
    std::unique_ptr<XlsReader> reader(new XlsReader(std::move(*stream), limits));
    const BiffProblem problem = ReadBiffWorkbook(reader->stream_, limits.cells, reader->workbook_);
    if (problem != BiffProblem::None) {
        if (olderVersion) *olderVersion = problem == BiffProblem::NotBiff8;
        if (error) *error = ProblemText(problem, limits);
        return nullptr;
    }
    QStringList names;
    for (const BiffWorkbook::Sheet& sheet : reader->workbook_.sheets) names << sheet.name;
    reader->SetSheetNames(names);
    return reader;
}

QString XlsReader::LoadSheet(int index, SheetCells& cells) {
    const BiffProblem problem =
        ReadBiffSheet(stream_, workbook_, workbook_.sheets[index].offset, limits_.cells, cells);
    return problem == BiffProblem::None ? QString() : ProblemText(problem, limits_);
}
