// Feeds arbitrary bytes to the .xls reader as a workbook: the compound file's sector
// chains, the BIFF8 records, strings over continuation records and every cell record
// must never crash or loop, and the cell limit must hold.
#include "exchange/XlsReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WorkbookLimits limits{4 * 1024 * 1024, 20000};
    QString error;
    bool older = false;
    std::unique_ptr<XlsReader> reader = XlsReader::OpenBytes(bytes, &error, &older, limits);
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
