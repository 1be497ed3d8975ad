// EAN-13: normalising the digits, and symbols drawn through the box path read by zbar.
#include "SymbolRendering.h"
#include "ZbarDecoder.h"
#include "symbols/Ean13.h"

#include <gtest/gtest.h>

namespace {

constexpr BarcodeStandard kEan13 = BarcodeStandard::Ean13;
constexpr int kMargin = 40;
constexpr int kModule = 2;

QImage DrawEan13Box(const QString& text, QRect* box = nullptr) {
    const QRect rect(kMargin, kMargin, (kEan13LeftOffset + kEan13Modules) * kModule, 110);
    if (box) *box = rect;
    return DrawSymbolImage(text, kEan13, QSize(rect.width() + 2 * kMargin, rect.height() + 2 * kMargin), rect);
}

}  // namespace

TEST(Ean13, NormalizingPadsCutsAndRecomputesTheCheckDigit) {
    // A wrong check digit is replaced; only the first 13 characters count, before the
    // non-digits are dropped.
    const std::pair<const char*, const char*> rows[] = {
        {"690123456789", "6901234567892"}, {"6901234567890", "6901234567892"}, {"12345", "0000000123457"},
        {"no digits", "0000000000000"}, {"690-123-456-789", "0069012345677"}, {"69012345678912345", "6901234567892"}};
    for (const auto& [in, out] : rows) EXPECT_EQ(NormalizeEan13(in), out) << in;
}

TEST(Ean13, EveryFirstDigitParityReadsBack) {
    for (int first = 0; first <= 9; ++first) {
        const QString text = QString::number(first) + QStringLiteral("23456789012");
        const QImage image = DrawEan13Box(text);
        const std::vector<DecodedSymbol> symbols = DecodeWithZbar(image);
        ASSERT_EQ(symbols.size(), 1u) << text.toStdString();
        EXPECT_EQ(symbols[0].type, "EAN-13");
        EXPECT_EQ(QString::fromLatin1(symbols[0].data), NormalizeEan13(text));
    }
    EXPECT_EQ(DecodeSingle(DrawEan13Box("690123456789")), "6901234567892");
    EXPECT_EQ(DecodeSingle(DrawEan13Box("6901234567890")), "6901234567892");
}

TEST(Ean13, StartGuardLiesNineModulesInAndEverythingStaysInTheBox) {
    QRect box;
    const QImage image = DrawEan13Box("690123456789", &box);
    EXPECT_EQ(RunLengths(image, box.top() + 2).size(), 59u);  // 30 bars and the 29 spaces between
    const QRect bars = DarkBounds(image.copy(box.x(), box.y(), box.width(), 3));
    EXPECT_EQ(bars.left(), kEan13LeftOffset * kModule);
    EXPECT_EQ(bars.width(), (kEan13Modules - 0) * kModule);
    EXPECT_TRUE(box.contains(DarkBounds(image)));
    // The first digit is printed in the offset, left of the start guard.
    const QRect offsetArea(box.left(), box.top(), kEan13LeftOffset * kModule - 2, box.height());
    EXPECT_FALSE(DarkBounds(image.copy(offsetArea)).isEmpty());
}
