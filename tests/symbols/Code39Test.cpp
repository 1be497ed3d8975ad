// Code 39 symbols drawn through the box path and read back by zbar.
#include "SymbolRendering.h"
#include "ZbarDecoder.h"
#include "symbols/Code39.h"

#include <gtest/gtest.h>

namespace {

constexpr BarcodeStandard kCode39 = BarcodeStandard::Code39;
constexpr int kMargin = 40;

// A box two device pixels per narrow width wide, with room for the human-readable line.
QImage DrawCode39Box(const QString& text, bool* drawn = nullptr, QRect* box = nullptr) {
    const int units = kCode39CharacterUnits * static_cast<int>(text.size() + 2) - 3;
    const QRect rect(kMargin, kMargin, units * 2, 90);
    if (box) *box = rect;
    return DrawSymbolImage(text, kCode39, QSize(rect.width() + 2 * kMargin, rect.height() + 2 * kMargin), rect, drawn);
}

}  // namespace

TEST(Code39, EverySupportedCharacterReadsBack) {
    for (const char* text : {"0123456789", "ABCDEFGHIJKLM", "NOPQRSTUVWXYZ", "-%$", "AB-1", "Z9%$-0"}) {
        bool drawn = false;
        const QImage image = DrawCode39Box(QString::fromLatin1(text), &drawn);
        ASSERT_TRUE(drawn) << text;
        EXPECT_EQ(DecodeSingle(image), QByteArray(text)) << text;
    }
}

TEST(Code39, LowerCaseIsUpperCaseStopCharactersAreNotDoubledOthersAreRefused) {
    EXPECT_EQ(DecodeSingle(DrawCode39Box("abc")), "ABC");
    for (const auto& [in, out] : {std::pair{"abc", "*ABC*"}, {"*AB*", "*AB*"}, {"*AB", "*AB*"}, {"*", "**"}})
        EXPECT_EQ(Code39Text(in), QString::fromLatin1(out)) << in;
    for (const QString& text : {QStringLiteral("A.B"), QStringLiteral("A B"), QStringLiteral("票据")}) {
        bool drawn = true;
        const QImage image = DrawCode39Box(text, &drawn);
        EXPECT_FALSE(drawn) << text.toStdString();
        EXPECT_TRUE(DarkBounds(image).isEmpty()) << text.toStdString();
        EXPECT_FALSE(Code39Text(text));
    }
}

// *AB-1* is six characters of five bars and four spaces, three of the nine wide (3:1),
// with a gap of three narrow widths after each character.
TEST(Code39, ElementsAreNarrowOrThreeTimesWideWithThreeNarrowGaps) {
    QRect box;
    const QImage image = DrawCode39Box("AB-1", nullptr, &box);
    const std::vector<int> runs = RunLengths(image, box.top() + 5);
    ASSERT_EQ(runs.size(), 6u * 9 + 5);
    const int narrow = 2;
    for (int character = 0; character < 6; ++character) {
        int wide = 0;
        for (int element = 0; element < 9; ++element) {
            const int run = runs[character * 10 + element];
            EXPECT_TRUE(run == narrow || run == 3 * narrow) << "run " << character * 10 + element << " is " << run;
            wide += run == 3 * narrow;
        }
        EXPECT_EQ(wide, 3) << "character " << character;
        if (character < 5) {
            EXPECT_EQ(runs[character * 10 + 9], 3 * narrow) << "gap after character " << character;
        }
    }
}
