#pragma once
// Splits QR data bytes into mode segments with the fewest bits, and writes them out.
#include "symbols/QrTables.h"

#include <cstdint>
#include <vector>

class BitWriter;

struct QrSegment {
    QrMode mode;
    int start;  // first byte
    int bytes;  // bytes covered
    int count;  // characters, as the count indicator holds them (kanji: byte pairs)
};

struct QrSegmentation {
    std::vector<QrSegment> segments;
    int dataBits = 0;  // mode indicators, counts and data, without the terminator
};

// The cheapest segmentation for the count widths of `group` (see QrVersionGroup); on
// equal cost the mode first in QrMode order is kept. Runs longer than a count indicator
// can count are cut into several segments of their mode. Kanji mode is offered only when
// `allowKanji`: it is meaningful for Shift JIS bytes alone.
QrSegmentation SegmentQrData(const uint8_t* data, int size, int group, bool allowKanji);

// Appends the segments (indicator, count, data), without the terminator.
void WriteQrSegments(const QrSegmentation& segmentation, const uint8_t* data, int group, BitWriter& out);

// Character classes of the modes; -1 when the byte is not in the alphanumeric set.
int QrAlphanumericValue(uint8_t byte);
bool IsQrKanjiPair(uint8_t first, uint8_t second);
