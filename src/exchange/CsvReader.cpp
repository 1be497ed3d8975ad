#include "exchange/CsvReader.h"

#include "exchange/CsvParser.h"
#include "exchange/ExchangeTexts.h"
#include "formatfile/AnsiText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString DecodeCsvBytes(const QByteArray& bytes) {
    static const QByteArray kBom("\xEF\xBB\xBF");
    if (bytes.startsWith(kBom)) return QString::fromUtf8(bytes.mid(kBom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    // Bytes that are neither keep what UTF-8 makes of them rather than nothing.
    return DecodeAnsi(bytes).value_or(text);
}

CsvReader::CsvReader(const QString& text, const QString& name) : name_(name) {
    CsvRecords parsed = ParseCsv(text);
    records_ = std::move(parsed.records);
    for (const QStringList& record : records_) columns_ = qMax(columns_, int(record.size()));
    if (parsed.unclosedQuote) warnings_ << ExchangeText::kUnclosedQuote;
}

std::unique_ptr<CsvReader> CsvReader::Open(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = ExchangeText::kCsvImportError;
        return nullptr;
    }
    return std::make_unique<CsvReader>(DecodeCsvBytes(file.readAll()),
                                       QFileInfo(path).completeBaseName());
}

bool CsvReader::SelectSheet(const QString& name, QString* error) {
    if (name.isEmpty() || name == name_) return true;
    if (error) *error = ExchangeText::kWrongSheetName;
    return false;
}

QString CsvReader::Cell(int row, int column) const {
    if (row < 1 || row > records_.size()) return {};
    return records_[row - 1].value(column - 1);
}
