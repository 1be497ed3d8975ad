#include "exchange/CsvReader.h"

#include "exchange/CsvParser.h"
#include "exchange/ExchangeTexts.h"
#include "formatfile/TextDecoder.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kPieceBytes = 1 << 20;
} // namespace

CsvReader::CsvReader(const QString& text, const QString& name) : name_(name) {
    CsvParser parser([this](QStringList&& record) {
        Add(std::move(record));
        return true;
    });
    parser.Feed(text);
    parser.Finish();
    if (parser.UnclosedQuote()) warnings_ << ExchangeText::kUnclosedQuote;
}

void CsvReader::Add(QStringList&& record) {
    rowStarts_.append(cellEnds_.size());
    for (const QString& cell : record) {
        text_.append(cell);
        cellEnds_.append(text_.size());
    }
    columns_ = qMax(columns_, int(record.size()));
}

std::unique_ptr<CsvReader> CsvReader::Open(const QString& path, QString* error, int lastRow,
                                           const WorkbookLimits& limits) {
    using namespace ExchangeText;
    const auto fail = [error](const QString& message) {
        if (error) *error = message;
        return nullptr;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(kCsvImportError);
    std::unique_ptr<CsvReader> reader(new CsvReader(QFileInfo(path).completeBaseName()));
    bool tooLarge = false;
    CsvParser parser(
        [&](QStringList&& record) {
            reader->Add(std::move(record));
            tooLarge = reader->text_.size() > limits.csvTextChars || reader->cellEnds_.size() > limits.cells;
            return !tooLarge && (lastRow <= 0 || reader->RowCount() < lastRow);
        },
        limits.csvFieldChars, limits.cells);
    TextDecoder decoder;
    QString text;
    bool more = true;
    while (more) {
        const QByteArray piece = file.read(kPieceBytes);
        if (file.error() != QFileDevice::NoError) return fail(kCsvImportError);
        text.clear();
        const bool decoded = piece.isEmpty() ? decoder.Finish(text) : decoder.Feed(piece, text);
        more = parser.Feed(text) && decoded && !piece.isEmpty();
        if (!decoded) return fail(CsvUndecodable(decoder.ErrorLine()));
    }
    if (parser.FieldTooLong()) return fail(CsvFieldTooLong(parser.Line(), limits.csvFieldChars));
    tooLarge = tooLarge || parser.TooManyFields();
    // Stopped at the last row wanted, or at the end of the file.
    if (lastRow <= 0 || reader->RowCount() < lastRow) {
        parser.Finish();
        if (parser.UnclosedQuote()) reader->warnings_ << kUnclosedQuote;
    }
    if (tooLarge) return fail(CsvTooLarge(limits.cells, limits.csvTextChars));
    return reader;
}

bool CsvReader::SelectSheet(const QString& name, QString* error) {
    if (name.isEmpty() || name == name_) return true;
    if (error) *error = ExchangeText::kWrongSheetName;
    return false;
}

QString CsvReader::Cell(int row, int column) const {
    if (row < 1 || row > rowStarts_.size() || column < 1) return {};
    const qsizetype first = rowStarts_[row - 1];
    const qsizetype end = row < rowStarts_.size() ? rowStarts_[row] : cellEnds_.size();
    const qsizetype cell = first + column - 1;
    if (cell >= end) return {};
    const qsizetype start = cell == 0 ? 0 : cellEnds_[cell - 1];
    return text_.mid(start, cellEnds_[cell] - start);
}
