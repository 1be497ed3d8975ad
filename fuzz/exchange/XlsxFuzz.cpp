// Feeds arbitrary bytes to the .xlsx reader as a workbook: zip reading, the XML parts
// and the cell values must never crash, and the limits must hold whatever the package
// claims. Small limits keep each run fast.
#include "exchange/XlsxReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WorkbookLimits limits{4 * 1024 * 1024, 20000};
    QString error;
    std::unique_ptr<XlsxReader> reader = XlsxReader::OpenBytes(bytes, &error, limits);
    if (!reader) return 0;
    for (const QString& name : reader->SheetNames()) {
        if (!reader->SelectSheet(name, &error)) continue;
        qsizetype filled = 0;
        for (int row = 1; row <= reader->RowCount() && row <= 200; ++row)
            for (int column = 1; column <= reader->ColumnCount() && column <= 50; ++column)
                filled += !reader->Cell(row, column).isEmpty();
        if (filled > limits.cells) std::abort();
    }
    return 0;
}
