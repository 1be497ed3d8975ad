// Feeds arbitrary bytes to the .xlsx reader as a workbook: zip reading, the XML parts
// and the cell values must never crash, and the limits must hold whatever the package
// claims. Small limits keep each run fast.
#include "ReadAllSheets.h"
#include "exchange/XlsxReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WorkbookLimits limits{4 * 1024 * 1024, 20000};
    QString error;
    if (std::unique_ptr<XlsxReader> reader = XlsxReader::OpenBytes(bytes, &error, limits))
        ReadAllSheets(*reader, limits.cells);
    return 0;
}
