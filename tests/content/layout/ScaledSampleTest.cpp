// Widths scaled from one font engine against the widths of a font looked up for each
// size, which the printer font size search once measured with.
#include "LayoutFixture.h"
#include "content/layout/BoxFont.h"
#include "content/layout/PrinterFont.h"
#include "content/layout/ScaledSample.h"

#include <gtest/gtest.h>

namespace {

const QString kSample = QStringLiteral("票据打印票据打印票据打印");

BoxFont FontNamed(const QString& name, bool bold = false, bool italic = false) {
    BoxFont font = TestFont();
    font.name = name;
    font.bold = bold;
    font.italic = italic;
    return font;
}

} // namespace

TEST(ScaledSample, WidthsAreTheTextEnginesAtEverySize) {
    // Sizes on the grids the search steps on (1/64 pt, 0.1 pt), sizes a half pixel
    // from a whole one on either side (the database rounds to whole pixels), and
    // design sizes of any decimals, from a few anchors.
    QList<double> sizes;
    for (double size = 2; size < 14; size += 0.025) sizes << size;
    for (double size = 14; size < 73; size += 0.6875) sizes << size << size + 1.0 / 64;
    sizes << 10.53 << 10.525 << 7.1 << 8.3 << 100;
    for (const BoxFont& font : {FontNamed(QStringLiteral("Noto Serif CJK SC")),
                                FontNamed(QStringLiteral("Noto Sans CJK SC"), true),
                                FontNamed(QStringLiteral("宋体"), false, true)})
        for (const double anchor : {8.3, 31.0}) {
            const auto scaled = ScaledSample::For(font, kSample, anchor);
            ASSERT_TRUE(scaled) << font.name.toStdString();
            for (const double size : sizes)
                ASSERT_EQ(scaled->Width(size), TextWidthTwips(font, size, kSample))
                    << font.name.toStdString() << " at " << size << " from " << anchor;
        }
}

TEST(ScaledSample, RefusedWhereTheTextEngineWouldPlaceGlyphsOtherwise) {
    // The sample's characters come from a fallback font.
    EXPECT_FALSE(ScaledSample::For(FontNamed(QStringLiteral("DejaVu Sans")), kSample, 9));
    // Kerning moves A and V together.
    const QString kerned = QStringLiteral("AVAVAVAV");
    EXPECT_FALSE(ScaledSample::For(FontNamed(QStringLiteral("DejaVu Sans")), kerned, 9));
    const auto plain = ScaledSample::For(FontNamed(QStringLiteral("DejaVu Sans")), QStringLiteral("HHHH"), 9);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Width(13.7), TextWidthTwips(FontNamed(QStringLiteral("DejaVu Sans")), 13.7, QStringLiteral("HHHH")));
}
