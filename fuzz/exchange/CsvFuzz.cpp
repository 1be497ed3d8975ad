// Feeds arbitrary bytes to the CSV decoding and parser. Whatever the input, parsing
// ends; and fields written back as CSV parse again to the same fields.
#include "core/CsvField.h"
#include "exchange/CsvParser.h"
#include "formatfile/TextDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    const CsvRecords parsed = ParseCsv(DecodeTextBytes(bytes).value_or(QString()));
    QString written;
    QList<QStringList> expected;
    for (const QStringList& record : parsed.records) {
        // An empty record and a record of one empty field write alike.
        if (record.isEmpty() || (record.size() == 1 && record[0].isEmpty())) continue;
        QStringList fields;
        for (const QString& field : record) fields << CsvField(field);
        written += fields.join(u',') + QStringLiteral("\r\n");
        expected << record;
    }
    if (ParseCsv(written).records != expected) std::abort();
    return 0;
}
