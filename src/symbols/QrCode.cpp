#include "symbols/QrCode.h"

#include "symbols/BitWriter.h"
#include "symbols/FiniteField.h"
#include "symbols/QrMatrix.h"
#include "symbols/ReedSolomon.h"

#include <algorithm>

namespace {

constexpr int kTerminatorBits = 4;
// No version holds more characters than this many digits, so longer input fails at once.
constexpr int kMostCharacters = 7089;

QrLevel LevelFromNumber(int level) {
    return level >= 1 && level <= 4 ? static_cast<QrLevel>(level) : QrLevel::M;
}

int CapacityBits(int version, QrLevel level) { return QrDataCodewords(version, level) * 8; }

struct Choice {
    int version = 0;
    QrSegmentation segmentation;
};

// No segmentation spends fewer bits on a byte than a digit takes (10 bits for three), nor
// fewer than the shortest mode indicator and count before them.
int LeastDataBits(int size, int group) {
    if (size == 0) return 0;
    int shortestCount = QrCountBits(QrMode::Byte, group);
    for (QrMode mode : {QrMode::Numeric, QrMode::Alphanumeric, QrMode::Kanji})
        shortestCount = std::min(shortestCount, QrCountBits(mode, group));
    return 4 + shortestCount + (10 * size + 2) / 3;
}

// The smallest version in [first, last] whose capacity holds the data bits; the terminator
// is left out of the comparison, so it may be shortened or dropped on a full symbol.
std::optional<Choice> ChooseVersion(const uint8_t* data, int size, int first, int last, QrLevel level,
                                    bool allowKanji) {
    std::optional<QrSegmentation> segmentation;
    int group = -1;
    for (int version = first; version <= last; ++version) {
        if (QrVersionGroup(version) != group) {
            group = QrVersionGroup(version);
            const int groupLast = std::min(last, QrLastVersionOfGroup(group));
            if (LeastDataBits(size, group) > CapacityBits(groupLast, level)) {
                version = groupLast;  // too long for the whole group: no need to segment
                continue;
            }
            segmentation = SegmentQrData(data, size, group, allowKanji);
        }
        if (segmentation->dataBits <= CapacityBits(version, level)) return Choice{version, std::move(*segmentation)};
    }
    return std::nullopt;
}

// Data codewords: segments, terminator as far as it fits, zero bits to the byte, pad bytes.
std::vector<uint8_t> DataCodewords(const uint8_t* data, const Choice& choice, QrLevel level) {
    const int capacity = CapacityBits(choice.version, level);
    BitWriter bits(capacity / 8);
    WriteQrSegments(choice.segmentation, data, QrVersionGroup(choice.version), bits);
    bits.Append(0, std::min(kTerminatorBits, capacity - bits.BitCount()));
    if (bits.BitCount() % 8 != 0) bits.Append(0, 8 - bits.BitCount() % 8);
    std::vector<uint8_t>& codewords = bits.Bytes();
    for (uint8_t pad = 0xEC; static_cast<int>(codewords.size()) < capacity / 8; pad ^= 0xEC ^ 0x11)
        codewords.push_back(pad);
    return std::move(codewords);
}

ReedSolomon MakeReedSolomon(const FiniteField& field) {
    ReedSolomon reedSolomon(field);
    // Every generator the tables need is built here, once, so that later use only reads.
    for (int version = kQrMinVersion; version <= kQrMaxVersion; ++version)
        for (int level = 1; level <= 4; ++level)
            reedSolomon.Generator(QrEcCodewordsPerBlock(version, static_cast<QrLevel>(level)));
    return reedSolomon;
}

ReedSolomon& SharedReedSolomon() {
    static const FiniteField field(256, 0x11D, 2);
    static ReedSolomon reedSolomon = MakeReedSolomon(field);
    return reedSolomon;
}

// Splits the data into blocks (the short ones first), adds each block's error
// correction and interleaves data and error correction column by column.
std::vector<uint8_t> InterleavedCodewords(const std::vector<uint8_t>& data, int version, QrLevel level) {
    const int blocks = QrEcBlocks(version, level);
    const int ecCount = QrEcCodewordsPerBlock(version, level);
    const int dataCount = static_cast<int>(data.size());
    const int shortLength = dataCount / blocks;
    const int shortBlocks = blocks - dataCount % blocks;

    std::vector<uint8_t> ec(static_cast<size_t>(blocks) * ecCount);
    std::vector<int> starts(blocks + 1);
    for (int b = 0; b < blocks; ++b) starts[b + 1] = starts[b] + shortLength + (b < shortBlocks ? 0 : 1);
    ReedSolomon& reedSolomon = SharedReedSolomon();
    for (int b = 0; b < blocks; ++b)
        reedSolomon.Remainder(&data[starts[b]], starts[b + 1] - starts[b], ecCount, &ec[static_cast<size_t>(b) * ecCount]);

    std::vector<uint8_t> result;
    result.reserve(data.size() + ec.size());
    for (int i = 0; i <= shortLength; ++i)
        for (int b = 0; b < blocks; ++b)
            if (starts[b] + i < starts[b + 1]) result.push_back(data[starts[b] + i]);
    for (int i = 0; i < ecCount; ++i)
        for (int b = 0; b < blocks; ++b) result.push_back(ec[static_cast<size_t>(b) * ecCount + i]);
    return result;
}

}  // namespace

std::optional<QrSymbol> EncodeQr(const uint8_t* data, int size, int version, int level, int mask,
                                 bool allowKanji) {
    if (version < 0 || size < 0 || size > kMostCharacters) return std::nullopt;
    const QrLevel qrLevel = LevelFromNumber(level);
    const bool automatic = version == 0 || version > kQrMaxVersion;
    const std::optional<Choice> choice = automatic
        ? ChooseVersion(data, size, kQrMinVersion, kQrMaxVersion, qrLevel, allowKanji)
        : ChooseVersion(data, size, version, version, qrLevel, allowKanji);
    if (!choice) return std::nullopt;

    QrSymbol symbol;
    symbol.version = choice->version;
    symbol.level = qrLevel;
    symbol.mask = mask >= 0 && mask <= 7 ? mask : 0;
    symbol.segments = choice->segmentation.segments;

    QrMatrix matrix(symbol.version);
    matrix.PlaceCodewords(InterleavedCodewords(DataCodewords(data, *choice, qrLevel), symbol.version, qrLevel));
    matrix.ApplyMask(symbol.mask);
    matrix.DrawFormatInformation(qrLevel, symbol.mask);
    symbol.modules = matrix.TakeModules();
    return symbol;
}
