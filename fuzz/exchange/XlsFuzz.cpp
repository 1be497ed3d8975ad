// Feeds arbitrary bytes to the .xls reader as a workbook: the compound file's sector
// chains, the BIFF8 records, strings over continuation records and every cell record
// must never crash or loop, and the cell limit must hold.
#include "ReadAllSheets.h"
#include "exchange/XlsReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WorkbookLimits limits{4 * 1024 * 1024, 20000};
    QString error;
    bool older = false;
    if (std::unique_ptr<XlsReader> reader = XlsReader::OpenBytes(bytes, &error, &older, limits))
        ReadAllSheets(*reader, limits.cells);
    return 0;
}
