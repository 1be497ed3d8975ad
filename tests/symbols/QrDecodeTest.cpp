// QR symbols read back by zbar: every kind of text, every version and level, full symbols.
#include "SymbolRendering.h"
#include "ZbarDecoder.h"
#include "symbols/QrCode.h"

#include <QString>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr BarcodeStandard kQr = BarcodeStandard::QrCode;
constexpr int kAuto = 0;
constexpr int kLevelL = 1;

QByteArray RandomFrom(const QByteArray& alphabet, int length, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray text(length, '\0');
    for (char& c : text) c = alphabet[static_cast<int>(random() % alphabet.size())];
    return text;
}

QByteArray Digits(int length) { return RandomFrom("0123456789", length, 1); }
QByteArray Alphanumerics(int length) { return RandomFrom("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", length, 2); }
// Digits, capitals and lower case, so that the segmentation switches modes.
QByteArray Mixed(int length) { return RandomFrom("0123456789012345ABCDEFGH-.abcdef;!", length, 3); }
QByteArray Bytes(int length) {
    QByteArray every(256, '\0');
    for (int i = 0; i < 256; ++i) every[i] = static_cast<char>(i);
    return RandomFrom(every, length, 4);
}
QString Chinese(int characters) {
    const QString pool = QStringLiteral("中华人民共和国票据套打支票汇款单收据金额壹贰叁肆伍陆柒捌玖拾佰仟万亿元角分整");
    std::mt19937 random(5);
    QString text;
    for (int i = 0; i < characters; ++i) text += pool[static_cast<int>(random() % pool.size())];
    return text;
}

std::optional<QrSymbol> Encode(const QByteArray& data, int version = kAuto, int level = kLevelL, int mask = -1,
                               bool allowKanji = false) {
    return EncodeQr(reinterpret_cast<const uint8_t*>(data.constData()), static_cast<int>(data.size()), version,
                    level, mask, allowKanji);
}

struct FormatInformation {
    int levelBits;
    int mask;
};

// Both copies of the format information, read where ISO/IEC 18004 puts them.
FormatInformation ReadFormatInformation(const QrSymbol& symbol) {
    const int size = symbol.Size();
    int first = 0;
    int second = 0;
    for (int i = 0; i < 15; ++i) {
        const bool a = i <= 5 ? symbol.Dark(8, i) : i == 6 ? symbol.Dark(8, 7) : i == 7 ? symbol.Dark(8, 8)
                     : i == 8 ? symbol.Dark(7, 8) : symbol.Dark(14 - i, 8);
        const bool b = i < 8 ? symbol.Dark(size - 1 - i, 8) : symbol.Dark(8, size - 15 + i);
        first |= a << i;
        second |= b << i;
    }
    EXPECT_EQ(first, second) << "the two copies of the format information differ";
    const int data = (first ^ 0x5412) >> 10;
    return {data >> 3, data & 7};
}

// Draws through the box path at whole pixels per module and reads it back.
void ExpectBoxPathReadsBack(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    const std::optional<QrSymbol> symbol = Encode(utf8);
    ASSERT_TRUE(symbol) << utf8.size() << " bytes";
    EXPECT_EQ(ReadFormatInformation(*symbol).mask, 0);
    const int scale = symbol->version > 20 ? 2 : 3;
    const int side = symbol->Size() * scale;
    const int margin = 4 * scale;
    bool drawn = false;
    const QImage image = DrawSymbolImage(text, kQr, QSize(side + 2 * margin, side + 2 * margin),
                                         QRect(margin, margin, side, side), &drawn);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(DecodeSingle(image), utf8) << "version " << symbol->version << ", " << utf8.size() << " bytes";
}

}  // namespace

// Capacities of version 40-L: 7089 digits, 4296 alphanumerics, 2953 bytes (984 Chinese
// characters in UTF-8). Each kind is read back at small, middle and full sizes.
TEST(QrDecode, BoxPathTextsReadBackUpToTheLargestSymbol) {
    for (int length : {1, 2, 3, 4, 41, 42, 300, 2000, 7089}) ExpectBoxPathReadsBack(Digits(length));
    for (int length : {1, 2, 25, 26, 700, 4296}) ExpectBoxPathReadsBack(Alphanumerics(length));
    for (int length : {1, 7, 60, 333, 1500}) ExpectBoxPathReadsBack(Mixed(length));
    for (int characters : {1, 2, 6, 120, 984}) ExpectBoxPathReadsBack(Chinese(characters).toUtf8());
}

TEST(QrDecode, EmptyTextsAndTextsBeyondVersion40DrawNothing) {
    for (const QByteArray& utf8 : {QByteArray(), Digits(7090), Alphanumerics(4297), Chinese(985).toUtf8()}) {
        bool drawn = false;
        const QImage image = DrawSymbolImage(QString::fromUtf8(utf8), kQr, QSize(300, 300), QRect(10, 10, 280, 280),
                                             &drawn);
        EXPECT_EQ(drawn, utf8.isEmpty()) << utf8.size() << " bytes";
        EXPECT_TRUE(DarkBounds(image).isEmpty());
    }
    const std::optional<QrSymbol> empty = Encode(QByteArray());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->version, 1);  // the terminator alone
}

TEST(QrDecode, ArbitraryBytesReadBack) {
    for (int length : {1, 2, 17, 255, 256, 1000, 2953}) {
        const std::optional<QrSymbol> symbol = Encode(Bytes(length));
        ASSERT_TRUE(symbol) << length;
        EXPECT_EQ(DecodeSingle(QrScannable(*symbol, 2)), Bytes(length)) << length;
    }
    EXPECT_FALSE(Encode(Bytes(2954)));
}

// Shift JIS data may use kanji mode; zbar turns kanji back into text.
TEST(QrDecode, ShiftJisKanjiReadsBackAsText) {
    const QByteArray shiftJis("\x8a\xbf\x8e\x9a\x93\x5f\x8c\x9f", 8);  // 漢字点検
    const std::optional<QrSymbol> symbol = Encode(shiftJis, kAuto, kLevelL, -1, /*allowKanji=*/true);
    ASSERT_TRUE(symbol);
    ASSERT_EQ(symbol->segments.size(), 1u);
    EXPECT_EQ(symbol->segments[0].mode, QrMode::Kanji);
    EXPECT_EQ(symbol->segments[0].count, 4);
    EXPECT_EQ(QString::fromUtf8(DecodeSingle(QrScannable(*symbol), /*binaryQr=*/false)), QStringLiteral("漢字点検"));
}

TEST(QrDecode, EveryVersionAndLevelReadsBackAtAFixedVersion) {
    for (int version = 1; version <= 40; ++version) {
        for (int level = 1; level <= 4; ++level) {
            const QByteArray text = "V" + QByteArray::number(version * 10 + level);  // fits version 1-H
            const std::optional<QrSymbol> symbol = Encode(text, version, level);
            ASSERT_TRUE(symbol);
            EXPECT_EQ(symbol->version, version);
            // Level bits: L 01, M 00, Q 11, H 10.
            EXPECT_EQ(ReadFormatInformation(*symbol).levelBits, (level - 1) ^ 1);
            EXPECT_EQ(DecodeSingle(QrScannable(*symbol, 2)), text) << "version " << version << " level " << level;
        }
    }
}

TEST(QrDecode, EachMaskPatternReadsBackAndInvalidMasksMeanPatternZero) {
    for (int version : {2, 7}) {
        for (int mask = -1; mask <= 8; ++mask) {
            const std::optional<QrSymbol> symbol = Encode("MASK TEST 0123456789", version, kLevelL, mask);
            ASSERT_TRUE(symbol);
            const int expected = mask >= 0 && mask <= 7 ? mask : 0;
            EXPECT_EQ(ReadFormatInformation(*symbol).mask, expected);
            EXPECT_EQ(DecodeSingle(QrScannable(*symbol)), "MASK TEST 0123456789") << "mask " << mask;
        }
    }
}

TEST(QrDecode, VersionLevelAndFailures) {
    EXPECT_FALSE(Encode("123", -1));
    for (int level : {0, 5}) EXPECT_EQ(ReadFormatInformation(*Encode("HELLO", kAuto, level)).levelBits, 0b00);  // M
    // Above 40 means automatic.
    const std::optional<QrSymbol> automatic = Encode("123", 41);
    ASSERT_TRUE(automatic);
    EXPECT_EQ(automatic->version, 1);
    // A fixed version too small gives nothing.
    EXPECT_FALSE(Encode(Digits(42), 1));
    EXPECT_TRUE(Encode(Digits(41), 1));
}

// Digit counts whose stream leaves 0 to 3 bits for the terminator in their version: the
// terminator is cut short or dropped and the smallest such version is still chosen.
TEST(QrDecode, StreamsThatFillTheirVersionKeepThatVersion) {
    for (int slack = 0; slack <= 3; ++slack) {
        int found = 0;
        for (int version = 1; version <= 40 && found < 3; ++version) {
            const int capacity = QrDataCodewords(version, QrLevel::L) * 8;
            const int header = 4 + QrCountBits(QrMode::Numeric, QrVersionGroup(version));
            for (int digits = 1; digits <= 7089; ++digits) {
                const int bits = header + (10 * digits + 2) / 3;  // ceil(10n / 3)
                if (bits > capacity - slack) break;
                if (bits != capacity - slack) continue;
                const std::optional<QrSymbol> symbol = Encode(Digits(digits));
                ASSERT_TRUE(symbol);
                EXPECT_EQ(symbol->version, version) << digits << " digits, slack " << slack;
                EXPECT_EQ(DecodeSingle(QrScannable(*symbol, 2)), Digits(digits)) << digits << " digits";
                ++found;
            }
        }
        EXPECT_GT(found, 0) << "no stream with slack " << slack;
    }
}
