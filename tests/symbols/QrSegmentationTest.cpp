// The mode segmentation: fewest bits, tie order, count limits, version choice.
#include "symbols/BitWriter.h"
#include "symbols/QrCode.h"
#include "symbols/QrSegmentation.h"

#include <QByteArray>
#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

const uint8_t* Bytes(const QByteArray& data) { return reinterpret_cast<const uint8_t*>(data.constData()); }

QrSegmentation Segment(const QByteArray& data, int group, bool allowKanji = true) {
    return SegmentQrData(Bytes(data), static_cast<int>(data.size()), group, allowKanji);
}

std::vector<QrMode> Modes(const QrSegmentation& segmentation) {
    std::vector<QrMode> modes;
    for (const QrSegment& segment : segmentation.segments) modes.push_back(segment.mode);
    return modes;
}

bool InMode(QrMode mode, const QByteArray& data, int from, int to) {
    for (int i = from; i < to; ++i) {
        const uint8_t byte = static_cast<uint8_t>(data[i]);
        if (mode == QrMode::Numeric && !(byte >= '0' && byte <= '9')) return false;
        if (mode == QrMode::Alphanumeric && QrAlphanumericValue(byte) < 0) return false;
    }
    if (mode != QrMode::Kanji) return true;
    if ((to - from) % 2 != 0) return false;
    for (int i = from; i < to; i += 2)
        if (!IsQrKanjiPair(static_cast<uint8_t>(data[i]), static_cast<uint8_t>(data[i + 1]))) return false;
    return true;
}

// Bits of one whole segment of `bytes` bytes, by the closed formulas of each mode.
int SegmentBits(QrMode mode, int bytes, int group) {
    const int header = 4 + QrCountBits(mode, group);
    switch (mode) {
    case QrMode::Numeric: return header + (10 * bytes + 2) / 3;
    case QrMode::Alphanumeric: return header + 11 * (bytes / 2) + 6 * (bytes % 2);
    case QrMode::Kanji: return header + 13 * (bytes / 2);
    case QrMode::Byte: return header + 8 * bytes;
    }
    return INT_MAX;
}

int Characters(QrMode mode, int bytes) { return mode == QrMode::Kanji ? bytes / 2 : bytes; }

// The true minimum over every way of cutting the data into whole segments.
int CheapestByExhaustion(const QByteArray& data, int group, bool allowKanji) {
    const int n = static_cast<int>(data.size());
    std::vector<int> best(n + 1, INT_MAX);
    best[n] = 0;
    for (int from = n - 1; from >= 0; --from) {
        for (int to = from + 1; to <= n; ++to) {
            if (best[to] == INT_MAX) continue;
            for (QrMode mode : {QrMode::Byte, QrMode::Numeric, QrMode::Alphanumeric, QrMode::Kanji}) {
                if (mode == QrMode::Kanji && !allowKanji) continue;
                if (!InMode(mode, data, from, to) || Characters(mode, to - from) > QrCountLimit(mode, group)) continue;
                best[from] = std::min(best[from], SegmentBits(mode, to - from, group) + best[to]);
            }
        }
    }
    return best[0];
}

QByteArray RandomMixture(std::mt19937& random, int length) {
    static const QByteArray pieces[] = {"0", "12", "345", "6789", "A", "BC", "X-$", " ", "a", "b;", "\x93\x5f",
                                        "\xe4\xb8\xad", "\xff", "\xeb\xbf"};
    QByteArray data;
    while (data.size() < length) data += pieces[random() % std::size(pieces)];
    return data;
}

int SmallestVersionFor(int bits, int group) {
    for (int version = QrFirstVersionOfGroup(group); version <= QrLastVersionOfGroup(group); ++version)
        if (bits <= QrDataCodewords(version, QrLevel::L) * 8) return version;
    return INT_MAX;
}

}  // namespace

TEST(QrSegmentation, DigitsAtLevelLAreOneNumericSegmentInVersion1) {
    const QByteArray digits = "01234567";
    const std::optional<QrSymbol> symbol = EncodeQr(Bytes(digits), 8, 0, 1, -1);
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->version, 1);
    ASSERT_EQ(symbol->segments.size(), 1u);
    EXPECT_EQ(symbol->segments[0].mode, QrMode::Numeric);
    EXPECT_EQ(symbol->segments[0].count, 8);
}

TEST(QrSegmentation, AlphanumericTextSplitsOnlyForALongEnoughDigitRun) {
    using enum QrMode;
    EXPECT_EQ(Modes(Segment("HELLO WORLD 2026 $%*+-./:", 0)), std::vector<QrMode>{Alphanumeric});
    EXPECT_EQ(Modes(Segment("ABC12345678901234567890DEF", 0)), (std::vector<QrMode>{Alphanumeric, Numeric, Alphanumeric}));
    // 44 bits either way: all bytes, or "111" numeric (24) beside "a" in bytes (20). On
    // equal cost the earlier mode, byte, is kept.
    EXPECT_EQ(Modes(Segment("a111", 0)), std::vector<QrMode>{Byte});
    EXPECT_EQ(Modes(Segment("111a", 0)), std::vector<QrMode>{Byte});
    EXPECT_EQ(Modes(Segment("1111a", 0)), (std::vector<QrMode>{Numeric, Byte}));
}

TEST(QrSegmentation, RunsLongerThanTheCountLimitBecomeSeveralSegments) {
    struct Case {
        QByteArray data;
        int group;
        QrMode mode;
        std::vector<int> counts;
    };
    const Case cases[] = {
        {QByteArray(300, 'a'), 0, QrMode::Byte, {255, 45}},
        {QByteArray(1100, '7'), 0, QrMode::Numeric, {1023, 77}},
        {QByteArray(600, 'Q'), 0, QrMode::Alphanumeric, {511, 89}},
        {QByteArray(2100, 'Q'), 1, QrMode::Alphanumeric, {2047, 53}},
        {QByteArray("\x93\x5f").repeated(300), 0, QrMode::Kanji, {255, 45}},
    };
    for (const Case& c : cases) {
        const QrSegmentation segmentation = Segment(c.data, c.group);
        std::vector<int> counts;
        for (const QrSegment& segment : segmentation.segments) {
            EXPECT_EQ(segment.mode, c.mode);
            counts.push_back(segment.count);
        }
        EXPECT_EQ(counts, c.counts) << c.data.size() << " bytes";
        BitWriter bits;
        WriteQrSegments(segmentation, Bytes(c.data), c.group, bits);
        EXPECT_EQ(bits.BitCount(), segmentation.dataBits);
        // Such a run is too long for every version that counts this way, which is why
        // cutting it need not be optimal.
        EXPECT_GT(segmentation.dataBits, QrDataCodewords(QrLastVersionOfGroup(c.group), QrLevel::L) * 8);
    }
}

// Mixtures of every character class, Shift JIS kanji pairs and UTF-8 bytes that look like
// them: the search finds the true minimum and the written stream has exactly that length.
TEST(QrSegmentation, CostIsTheTrueMinimumAndMatchesTheWrittenStream) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const QByteArray data = RandomMixture(random, 1 + round % 60);
        for (int group = 0; group < 3; ++group) {
            for (bool allowKanji : {false, true}) {
                const QrSegmentation segmentation = Segment(data, group, allowKanji);
                ASSERT_EQ(segmentation.dataBits, CheapestByExhaustion(data, group, allowKanji))
                    << data.toHex().constData() << " group " << group;
                BitWriter bits;
                WriteQrSegments(segmentation, Bytes(data), group, bits);
                EXPECT_EQ(bits.BitCount(), segmentation.dataBits);
                if (!allowKanji) {
                    for (const QrSegment& segment : segmentation.segments) {
                        EXPECT_NE(segment.mode, QrMode::Kanji);
                    }
                }
            }
        }
    }
}

TEST(QrSegmentation, ChosenVersionIsNeverLargerThanAnySingleModeNeeds) {
    std::mt19937 random(11);
    std::vector<QByteArray> texts;
    for (int length : {5, 40, 150, 700, 1500, 2900}) {
        texts.push_back(RandomMixture(random, length));
        texts.push_back(QByteArray(length, '5'));
        texts.push_back(QByteArray("AB12").repeated(length / 4));
    }
    for (const QByteArray& text : texts) {
        int singleMode = INT_MAX;
        for (QrMode mode : {QrMode::Byte, QrMode::Numeric, QrMode::Alphanumeric}) {
            if (!InMode(mode, text, 0, static_cast<int>(text.size()))) continue;
            for (int group = 0; group < 3; ++group)
                singleMode = std::min(singleMode, SmallestVersionFor(SegmentBits(mode, static_cast<int>(text.size()), group), group));
        }
        const std::optional<QrSymbol> symbol = EncodeQr(Bytes(text), static_cast<int>(text.size()), 0, 1, -1, false);
        if (singleMode == INT_MAX) continue;
        ASSERT_TRUE(symbol) << text.size() << " bytes fit as one segment";
        EXPECT_LE(symbol->version, singleMode) << text.size() << " bytes";
    }
}
