// Lines of a text box on the drawing: where they start, end and break, and digit cells.
#include "LayoutFixture.h"
#include "content/ConversionSettings.h"
#include "content/layout/TextLayout.h"

#include <QImage>
#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr double kLeft = 1000, kTop = 2000, kWidth = 5000;

double EndOf(const RecordedText& t) { return t.origin.x() + t.width; }

Recording Layout(const QString& text, double width, int alignment, double letterSpacing = 0, double lineSpacing = 0) {
    return Record([&](TwipSurface& s) { LayoutBoxText(s, text, kLeft, kTop, width, letterSpacing, lineSpacing, alignment); });
}

// The printed lines: the visible texts drawn on the same baseline, joined.
QStringList Lines(const Recording& device) {
    QStringList lines;
    long baseline = -1;
    for (const RecordedText& t : device.texts) {
        if (t.text.trimmed().isEmpty()) continue;
        if (std::lround(t.origin.y()) != baseline) lines << QString();
        baseline = std::lround(t.origin.y());
        lines.last() += t.text;
    }
    return lines;
}

} // namespace

TEST(TextLayout, AlignmentEdgesAndLetterSpacing) {
    const Recording left = Layout("票据ABC", kWidth, 0);
    ASSERT_FALSE(left.texts.isEmpty());
    EXPECT_DOUBLE_EQ(left.texts.first().origin.x(), kLeft);
    // Right alignment ends one twip inside; x is rounded to a whole twip.
    EXPECT_NEAR(EndOf(Layout("票据ABC", kWidth, 1).texts.last()), kLeft + kWidth - 1, 0.5);
    const Recording centre = Layout("票据", kWidth, 2);
    EXPECT_NEAR(centre.texts.first().origin.x() - kLeft, kLeft + kWidth - 1 - EndOf(centre.texts.last()), 1.0);
    // Spacing follows every character, the last one included.
    const Recording spaced = Layout("中文字", kWidth, 1, 100);
    ASSERT_EQ(spaced.texts.size(), 3);
    EXPECT_NEAR(spaced.texts[1].origin.x() - EndOf(spaced.texts[0]), 100, 1e-6);
    EXPECT_NEAR(EndOf(spaced.texts.last()) + 100, kLeft + kWidth - 1, 0.5);
}

// Kerning pairs are measured as they are placed, one character after the other, so
// right and centred Latin text lands where its alignment puts it.
TEST(TextLayout, KerningPairsKeepTheirAlignment) {
    for (const char* pair : {"AV", "To", "WA", "AVATAR To WAVE"}) {
        const Recording left = Layout(pair, kWidth, 0);
        ASSERT_FALSE(left.texts.isEmpty()) << pair;
        EXPECT_DOUBLE_EQ(left.texts.first().origin.x(), kLeft) << pair;
        EXPECT_NEAR(EndOf(Layout(pair, kWidth, 1).texts.last()), kLeft + kWidth - 1, 0.5) << pair;
        const Recording centre = Layout(pair, kWidth, 2);
        EXPECT_NEAR(centre.texts.first().origin.x() - kLeft, kLeft + kWidth - 1 - EndOf(centre.texts.last()), 1.0)
            << pair;
    }
}

TEST(TextLayout, AsciiWordsWrapWholeAndCjkBreaksAnywhere) {
    // 12 pt Latin letters are about 120 twips wide: each word fits 900 twips, both do not.
    EXPECT_EQ(Lines(Layout("Payment received", 900, 0)), (QStringList{"Payment", "received"}));
    // A CJK character is 240 twips at 12 pt: three fit into 750.
    const Recording cjk = Layout("中华人民共和国", 750, 0);
    EXPECT_EQ(Lines(cjk), (QStringList{"中华人", "民共和", "国"}));
    for (const RecordedText& t : cjk.texts) EXPECT_LE(EndOf(t), kLeft + 750 + 1e-6);
}

TEST(TextLayout, LinesAdvanceByCharacterHeightPlusSpacingAndNeverClip) {
    const Recording spaced = Layout("一\r\n\r\n二", kWidth, 0, 0, 50);
    ASSERT_EQ(spaced.texts.size(), 2);
    const Recording bare = Layout("一\n二", kWidth, 0);
    EXPECT_NEAR((spaced.texts[1].origin.y() - spaced.texts[0].origin.y()) / 2 -
                    (bare.texts[1].origin.y() - bare.texts[0].origin.y()), 50, 1.0);
    // A character wider than its box is still printed.
    EXPECT_EQ(Layout("宽", 10, 0).AllText(), QStringLiteral("宽"));
    EXPECT_TRUE(Layout(QString(), kWidth, 0).texts.isEmpty());
}

TEST(DigitCells, AmountSpreadsOverCellsWithOrWithoutCurrencyCell) {
    const double cellWidth = 4400.0 / 11;
    const auto cells = [&](const QString& text, double type, int count = 11) {
        const Recording drawn = Record([&](TwipSurface& s) {
            DrawAmountCells(s, text, kLeft, kTop, 4400, type, 0, ConversionSettings());
        });
        QStringList byCell(count);
        for (const RecordedText& t : drawn.texts) {
            const int cell = int((t.origin.x() + t.width / 2 - kLeft) / cellWidth);
            byCell[cell] += t.text;
            // Each character is centred in its cell.
            EXPECT_NEAR(t.origin.x() + t.width / 2, kLeft + (cell + 0.5) * cellWidth, 1e-6);
        }
        return byCell;
    };
    EXPECT_EQ(cells("1234.5", 11), (QStringList{" ", " ", " ", " ", "￥", "1", "2", "3", "4", "5", "0"}));
    EXPECT_EQ(cells("1,234.50", 311), (QStringList{" ", " ", " ", " ", " ", "1", "2", "3", "4", "5", "0"}));
    // An amount longer than the cells keeps its lowest digits.
    EXPECT_EQ(Record([&](TwipSurface& s) {
                  DrawAmountCells(s, "123456", kLeft, kTop, 4400, 5, 0, ConversionSettings());
              }).AllText(), QStringLiteral("45600"));
}

TEST(DigitCells, ShortAndLongStringsFollowTheAlignment) {
    const double cellWidth = 600;
    const auto cellsUsed = [&](const QString& text, int alignment) {
        const Recording d = Record([&](TwipSurface& s) { DrawCells(s, text, kLeft, kTop, 3600, 6, alignment); });
        QList<int> used;
        for (const RecordedText& t : d.texts)
            if (t.text != u' ') used << int(std::floor((t.origin.x() - kLeft) / cellWidth));
        return std::pair{used.value(0, -99), used.value(used.size() - 1, -99)};
    };
    EXPECT_EQ(cellsUsed("12", 0), std::pair(0, 1));
    EXPECT_EQ(cellsUsed("12", 1), std::pair(4, 5));
    EXPECT_EQ(cellsUsed("12", 2), std::pair(2, 3));
    // Eight characters in six cells: right alignment keeps the last one in the last cell.
    EXPECT_EQ(cellsUsed("12345678", 1), std::pair(-2, 5));
    EXPECT_EQ(cellsUsed("12345678", 2).first, -1);
}

// Fonts and widths are kept per font and device resolution: each device, whatever was
// measured on another before, gets the widths its own fonts give.
TEST(TextLayout, WidthsAreKeptPerResolution) {
    const QString text = QStringLiteral("票");
    const auto widthOn = [&](QPaintDevice& device) {
        QPainter painter(&device);
        TwipSurface surface(painter);
        surface.SetFont(TestFont(), 12);
        return std::pair{surface.TextWidth(text), surface.Font().pointSizeF()};
    };
    RecordingDevice twips;
    QImage coarse(200, 200, QImage::Format_RGB32);
    coarse.setDotsPerMeterX(11811); // 300 dpi
    coarse.setDotsPerMeterY(11811);
    const auto [fine, finePoints] = widthOn(twips);
    const auto [rough, roughPoints] = widthOn(coarse);
    // A 12 pt character is 240 twips wide on both; the font asked for differs.
    EXPECT_NEAR(fine, 240, 1);
    EXPECT_NEAR(rough, 240, 2);
    EXPECT_NEAR(roughPoints / finePoints, 1440.0 / 300, 0.01);
    EXPECT_EQ(widthOn(twips).first, fine);
}
