#include "symbols/QrSegmentation.h"

#include "symbols/BitWriter.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

// The search keeps, besides the mode, how far the open segment is into its group of
// three digits or pair of characters: two prefixes ending in the same mode but at a
// different point of a group cost differently from there on, so both must be kept for
// the result to be the true minimum.
enum State : int8_t { kByte, kNumeric0, kNumeric1, kNumeric2, kAlnum0, kAlnum1, kKanji, kStateCount };

constexpr std::array<QrMode, kStateCount> kStateMode = {QrMode::Byte,         QrMode::Numeric,
                                                        QrMode::Numeric,      QrMode::Numeric,
                                                        QrMode::Alphanumeric, QrMode::Alphanumeric,
                                                        QrMode::Kanji};

constexpr int kModeBits = 4;
constexpr int kInfinity = INT_MAX / 2;

struct Node {
    int cost = kInfinity;
    int start = 0;    // byte where the open segment starts
    int8_t from = -1; // state at `start` the segment follows; -1 at the beginning
};

int CharacterCount(QrMode mode, int bytes) { return mode == QrMode::Kanji ? bytes / 2 : bytes; }
int BytesPerCharacter(QrMode mode) { return mode == QrMode::Kanji ? 2 : 1; }

int SegmentBits(QrMode mode, int count, int group) {
    const int header = kModeBits + QrCountBits(mode, group);
    switch (mode) {
    case QrMode::Numeric: return header + 10 * (count / 3) + (count % 3 == 0 ? 0 : 3 * (count % 3) + 1);
    case QrMode::Alphanumeric: return header + 11 * (count / 2) + 6 * (count % 2);
    case QrMode::Kanji: return header + 13 * count;
    case QrMode::Byte: return header + 8 * count;
    }
    return 0;
}

// A segment longer than its count indicator can count continues in further segments of
// the same mode. Only runs far too long for every version of the group are cut, so the
// extra headers never decide which version is chosen.
void AppendWithinCountLimit(QrSegment segment, int group, QrSegmentation& result) {
    const int limit = QrCountLimit(segment.mode, group);
    while (segment.count > 0) {
        const int count = std::min(segment.count, limit);
        const int bytes = count * BytesPerCharacter(segment.mode);
        result.segments.push_back({segment.mode, segment.start, bytes, count});
        result.dataBits += SegmentBits(segment.mode, count, group);
        segment.start += bytes;
        segment.count -= count;
    }
}

class Search {
public:
    Search(const uint8_t* data, int size, int group, bool allowKanji)
        : data_(data), size_(size), group_(group), allowKanji_(allowKanji),
          nodes_(static_cast<size_t>(size + 1) * kStateCount), cheapest_(size + 1, -1) {
        for (int mode = 0; mode < 4; ++mode) headerBits_[mode] = kModeBits + QrCountBits(static_cast<QrMode>(mode), group);
    }

    QrSegmentation Run() {
        for (int at = 1; at <= size_; ++at) {
            Step(at);
            cheapest_[at] = Cheapest(at);
        }
        std::vector<QrSegment> segments;
        for (int at = size_, state = cheapest_[size_]; at > 0;) {
            const Node& node = NodeAt(at, state);
            const QrMode mode = kStateMode[state];
            segments.push_back({mode, node.start, at - node.start, CharacterCount(mode, at - node.start)});
            at = node.start;
            state = node.from;
        }
        QrSegmentation result;
        for (auto segment = segments.rbegin(); segment != segments.rend(); ++segment)
            AppendWithinCountLimit(*segment, group_, result);
        return result;
    }

private:
    Node& NodeAt(int at, int state) { return nodes_[static_cast<size_t>(at) * kStateCount + state]; }

    // On equal cost the state listed first wins, so byte beats numeric beats alphanumeric beats kanji.
    int8_t Cheapest(int at) {
        int8_t best = kByte;
        for (int8_t s = 1; s < kStateCount; ++s)
            if (NodeAt(at, s).cost < NodeAt(at, best).cost) best = s;
        return best;
    }

    // The open segment of `from` grows by one character of `bits`.
    void Extend(int at, int state, int from, int fromAt, int bits) {
        const Node& prev = NodeAt(fromAt, from);
        if (prev.cost >= kInfinity) return;
        Node& node = NodeAt(at, state);
        if (prev.cost + bits < node.cost) node = {prev.cost + bits, prev.start, prev.from};
    }

    // A new segment of `state`'s mode starts at `fromAt` after the cheapest prefix there.
    void Open(int at, int state, int fromAt, int bits) {
        int8_t from = -1;
        int cost = 0;
        if (fromAt > 0) {
            from = cheapest_[fromAt];
            cost = NodeAt(fromAt, from).cost;
        }
        cost += headerBits_[static_cast<int>(kStateMode[state])] + bits;
        Node& node = NodeAt(at, state);
        if (cost < node.cost) node = {cost, fromAt, from};
    }

    void Step(int at) {
        const uint8_t byte = data_[at - 1];
        Extend(at, kByte, kByte, at - 1, 8);
        Open(at, kByte, at - 1, 8);
        if (byte >= '0' && byte <= '9') {
            // Digits cost 4, 3, 3 bits per group of three (10 bits), so 4 opens a group.
            Extend(at, kNumeric1, kNumeric0, at - 1, 4);
            Open(at, kNumeric1, at - 1, 4);
            Extend(at, kNumeric2, kNumeric1, at - 1, 3);
            Extend(at, kNumeric0, kNumeric2, at - 1, 3);
        }
        if (QrAlphanumericValue(byte) >= 0) {
            // A pair takes 11 bits: 6 for the first character, 5 for the second.
            Extend(at, kAlnum1, kAlnum0, at - 1, 6);
            Open(at, kAlnum1, at - 1, 6);
            Extend(at, kAlnum0, kAlnum1, at - 1, 5);
        }
        if (allowKanji_ && at >= 2 && IsQrKanjiPair(data_[at - 2], byte)) {
            Extend(at, kKanji, kKanji, at - 2, 13);
            Open(at, kKanji, at - 2, 13);
        }
    }

    const uint8_t* data_;
    int size_;
    int group_;
    bool allowKanji_;
    std::vector<Node> nodes_;
    std::vector<int8_t> cheapest_;  // Cheapest() of every position once it is complete
    int headerBits_[4];
};

void WriteNumeric(const uint8_t* digits, int count, BitWriter& out) {
    for (int i = 0; i < count; i += 3) {
        const int take = count - i < 3 ? count - i : 3;
        int value = 0;
        for (int k = 0; k < take; ++k) value = value * 10 + (digits[i + k] - '0');
        out.Append(value, take * 3 + 1);  // 10, 7 or 4 bits
    }
}

void WriteAlphanumeric(const uint8_t* text, int count, BitWriter& out) {
    int i = 0;
    for (; i + 1 < count; i += 2)
        out.Append(45 * QrAlphanumericValue(text[i]) + QrAlphanumericValue(text[i + 1]), 11);
    if (i < count) out.Append(QrAlphanumericValue(text[i]), 6);
}

void WriteKanji(const uint8_t* pairs, int count, BitWriter& out) {
    for (int i = 0; i < count; ++i) {
        const int first = pairs[2 * i];
        const int second = pairs[2 * i + 1];
        out.Append((first - (first <= 0x9F ? 0x81 : 0xC1)) * 0xC0 + (second - 0x40), 13);
    }
}

constexpr uint32_t ModeIndicator(QrMode mode) {
    switch (mode) {
    case QrMode::Numeric: return 0b0001;
    case QrMode::Alphanumeric: return 0b0010;
    case QrMode::Byte: return 0b0100;
    case QrMode::Kanji: return 0b1000;
    }
    return 0;
}

}  // namespace

int QrAlphanumericValue(uint8_t byte) {
    if (byte >= '0' && byte <= '9') return byte - '0';
    if (byte >= 'A' && byte <= 'Z') return byte - 'A' + 10;
    switch (byte) {
    case ' ': return 36;
    case '$': return 37;
    case '%': return 38;
    case '*': return 39;
    case '+': return 40;
    case '-': return 41;
    case '.': return 42;
    case '/': return 43;
    case ':': return 44;
    default: return -1;
    }
}

bool IsQrKanjiPair(uint8_t first, uint8_t second) {
    if (second < 0x40) return false;
    return (first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xEA) ||
           (first == 0xEB && second < 0xC0);
}

QrSegmentation SegmentQrData(const uint8_t* data, int size, int group, bool allowKanji) {
    return Search(data, size, group, allowKanji).Run();
}

void WriteQrSegments(const QrSegmentation& segmentation, const uint8_t* data, int group, BitWriter& out) {
    for (const QrSegment& segment : segmentation.segments) {
        out.Append(ModeIndicator(segment.mode), kModeBits);
        out.Append(segment.count, QrCountBits(segment.mode, group));
        const uint8_t* begin = data + segment.start;
        switch (segment.mode) {
        case QrMode::Numeric: WriteNumeric(begin, segment.count, out); break;
        case QrMode::Alphanumeric: WriteAlphanumeric(begin, segment.count, out); break;
        case QrMode::Kanji: WriteKanji(begin, segment.count, out); break;
        case QrMode::Byte:
            for (int i = 0; i < segment.bytes; ++i) out.AppendByte(begin[i]);
            break;
        }
    }
}
