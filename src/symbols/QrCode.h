#pragma once
// The QR code encoder: bytes in, module matrix out.
#include "symbols/QrSegmentation.h"
#include "symbols/QrTables.h"

#include <cstdint>
#include <optional>
#include <vector>

struct QrSymbol {
    int version = 0;
    QrLevel level = QrLevel::L;
    int mask = 0;
    std::vector<QrSegment> segments;
    std::vector<uint8_t> modules;  // Size() x Size(), row-major, 1 = dark

    int Size() const { return QrSize(version); }
    bool Dark(int x, int y) const { return modules[static_cast<size_t>(y) * Size() + x] != 0; }
};

// Encodes `size` bytes. `version` 1-40 fixes the version, 0 or above 40 picks the smallest
// that fits; `level` 1-4 is L, M, Q, H (anything else M); `mask` 0-7 picks the mask
// pattern, anything else pattern 0 (no penalty scoring). Empty when the data does not fit
// or the version is negative. Kanji mode is used only when `allowKanji` (Shift JIS data).
std::optional<QrSymbol> EncodeQr(const uint8_t* data, int size, int version, int level, int mask,
                                 bool allowKanji = true);
