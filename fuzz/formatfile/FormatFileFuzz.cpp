// Feeds arbitrary bytes to the format file reader: decoding, line splitting,
// continuation rejoining, field parsing and the custom section must never crash.
// A file that parses is written back and must parse again to the same boxes.
#include "formatfile/FormatFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    const ParsedFormatFile parsed = ParseFormatFileBytes(bytes);
    if (parsed.error != FormatFileError::None) return 0;
    const ParsedFormatFile again = ParseFormatFile(ComposeFormatFile(parsed.content));
    if (again.error != FormatFileError::None || again.content.boxes.size() != parsed.content.boxes.size())
        std::abort();
    return 0;
}
