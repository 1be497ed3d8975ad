// libFuzzer target: ConvertByDataType must neither crash nor trip a sanitizer on any
// text (invalid UTF-16 included) under any data type and settings, and a converted
// text must come through a second conversion unchanged.
//
// Build with clang and run for a minute: scripts/run-fuzz 60 convert_fuzz
//
// Input layout: byte 0 picks the data type (an entry of the editor's list, a count
// variant, or with 0xFF the next 8 bytes as a raw double); byte 1 the settings and
// whether the rest is UTF-8 or raw UTF-16 code units.
#include "content/Conversions.h"
#include "content/DataTypes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const double kCountVariants[] = {1, 12, 99, 114.08, 114.15, 121, 121.06, 201, 208, 308, 399};

double PickDataType(const std::uint8_t*& data, std::size_t& size) {
    const std::uint8_t pick = data[0];
    ++data;
    --size;
    if (pick == 0xFF && size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        data += sizeof raw;
        size -= sizeof raw;
        return raw;
    }
    const std::size_t variants = std::size(kCountVariants);
    const std::size_t index = pick % (kDataTypes.size() + variants);
    return index < kDataTypes.size() ? kDataTypes[index].code : kCountVariants[index - kDataTypes.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const double dataType = PickDataType(data, size);
    if (size < 1) return 0;
    const std::uint8_t flags = data[0];
    ++data;
    --size;

    ConversionSettings settings;
    settings.roundingMethod = flags & 3;
    settings.monthZero = flags & 4;
    settings.currency = (flags & 8) ? QStringLiteral("US$") : (flags & 16) ? QString() : QStringLiteral("￥");
    settings.today = QDate(2023, 7, 14);

    QString text;
    if (flags & 32) {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    } else {
        text.resize(qsizetype(size / 2));
        std::memcpy(text.data(), data, (size / 2) * 2);
    }

    const QString once = ConvertByDataType(text, dataType, settings);
    if (ConvertByDataType(once, dataType, settings) != once) std::abort();
    return 0;
}
