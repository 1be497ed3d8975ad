// Lines of a text box on the drawing: where they start, end and break.
#include "LayoutFixture.h"
#include "content/ConversionSettings.h"
#include "content/layout/TextLayout.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr double kLeft = 1000, kTop = 2000, kWidth = 5000;

double EndOf(const RecordedText& t) { return t.origin.x() + t.width; }

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

TEST(TextLayout, LeftAlignedStartsAtTheEdgeRightAlignedEndsOneTwipInside) {
    const auto left = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("票据ABC"), kLeft, kTop, kWidth, 0, 0, 0);
    });
    ASSERT_FALSE(left.texts.isEmpty());
    EXPECT_DOUBLE_EQ(left.texts.first().origin.x(), kLeft);

    const auto right = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("票据ABC"), kLeft, kTop, kWidth, 0, 0, 1);
    });
    // x is rounded to a whole twip, so the end lands within half a twip.
    EXPECT_NEAR(EndOf(right.texts.last()), kLeft + kWidth - 1, 0.5);

    const auto centre = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("票据"), kLeft, kTop, kWidth, 0, 0, 2);
    });
    const double start = centre.texts.first().origin.x() - kLeft;
    const double end = kLeft + kWidth - 1 - EndOf(centre.texts.last());
    EXPECT_NEAR(start, end, 1.0);
}

TEST(TextLayout, LetterSpacingFollowsEveryCharacter) {
    const auto drawn = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("中文字"), kLeft, kTop, kWidth, 100, 0, 1);
    });
    ASSERT_EQ(drawn.texts.size(), 3);
    EXPECT_NEAR(drawn.texts[1].origin.x() - EndOf(drawn.texts[0]), 100, 1e-6);
    // Right alignment counts the spacing after the last character too.
    EXPECT_NEAR(EndOf(drawn.texts.last()) + 100, kLeft + kWidth - 1, 0.5);
}

TEST(TextLayout, AsciiWordsWrapWholeAndCjkBreaksAnywhere) {
    // 12 pt Latin letters are about 120 twips wide: each word fits 900 twips, both do not.
    const auto words = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("Payment received"), kLeft, kTop, 900, 0, 0, 0);
    });
    EXPECT_EQ(Lines(words), (QStringList{"Payment", "received"}));

    // A CJK character is 240 twips at 12 pt: three fit into 750.
    const auto cjk = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("中华人民共和国"), kLeft, kTop, 750, 0, 0, 0);
    });
    EXPECT_EQ(Lines(cjk), (QStringList{"中华人", "民共和", "国"}));
    for (const RecordedText& t : cjk.texts) EXPECT_LE(EndOf(t), kLeft + 750 + 1e-6);
}

TEST(TextLayout, LinesAdvanceByCharacterHeightPlusSpacingAndNeverClip) {
    const auto drawn = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("一\r\n\r\n二"), kLeft, kTop, kWidth, 0, 50, 0);
    });
    ASSERT_EQ(drawn.texts.size(), 2);
    const double pitch = (drawn.texts[1].origin.y() - drawn.texts[0].origin.y()) / 2;
    const auto heightOnly = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("一\n二"), kLeft, kTop, kWidth, 0, 0, 0);
    });
    const double bare = heightOnly.texts[1].origin.y() - heightOnly.texts[0].origin.y();
    EXPECT_NEAR(pitch - bare, 50, 1.0);

    // A character wider than its box is still printed.
    const auto narrow = Record([](TwipSurface& s) {
        LayoutBoxText(s, QStringLiteral("宽"), kLeft, kTop, 10, 0, 0, 0);
    });
    EXPECT_EQ(narrow.AllText(), QStringLiteral("宽"));
    EXPECT_TRUE(Record([](TwipSurface& s) {
                    LayoutBoxText(s, QString(), kLeft, kTop, kWidth, 0, 0, 0);
                }).texts.isEmpty());
}

TEST(DigitCells, AmountSpreadsOverCellsWithOrWithoutCurrencyCell) {
    const double cellWidth = 4400.0 / 11;
    const auto cellOf = [&](const RecordedText& t) {
        return int((t.origin.x() + t.width / 2 - kLeft) / cellWidth);
    };
    const ConversionSettings settings;
    const auto withSymbol = Record([&](TwipSurface& s) {
        DrawAmountCells(s, QStringLiteral("1234.5"), kLeft, kTop, 4400, 11, 0, settings);
    });
    QStringList cells(11);
    for (const RecordedText& t : withSymbol.texts) {
        cells[cellOf(t)] += t.text;
        // Each character is centred in its cell.
        EXPECT_NEAR(t.origin.x() + t.width / 2, kLeft + (cellOf(t) + 0.5) * cellWidth, 1e-6);
    }
    EXPECT_EQ(cells, (QStringList{" ", " ", " ", " ", "￥", "1", "2", "3", "4", "5", "0"}));

    const auto withoutSymbol = Record([&](TwipSurface& s) {
        DrawAmountCells(s, QStringLiteral("1,234.50"), kLeft, kTop, 4400, 311, 0, settings);
    });
    QStringList plain(11);
    for (const RecordedText& t : withoutSymbol.texts) plain[cellOf(t)] += t.text;
    EXPECT_EQ(plain, (QStringList{" ", " ", " ", " ", " ", "1", "2", "3", "4", "5", "0"}));

    // An amount longer than the cells keeps its lowest digits.
    const auto tooLong = Record([&](TwipSurface& s) {
        DrawAmountCells(s, QStringLiteral("123456"), kLeft, kTop, 4400, 5, 0, settings);
    });
    EXPECT_EQ(tooLong.AllText(), QStringLiteral("45600"));
}

TEST(DigitCells, ShortAndLongStringsFollowTheAlignment) {
    const double cellWidth = 600;
    const auto firstCell = [&](const Recording& d) {
        for (const RecordedText& t : d.texts)
            if (t.text != u' ') return int(std::floor((t.origin.x() - kLeft) / cellWidth));
        return -99;
    };
    const auto drawCells = [](const QString& text, int alignment) {
        return Record([&](TwipSurface& s) { DrawCells(s, text, kLeft, kTop, 3600, 6, alignment); });
    };
    EXPECT_EQ(firstCell(drawCells(QStringLiteral("12"), 0)), 0);
    EXPECT_EQ(firstCell(drawCells(QStringLiteral("12"), 1)), 4);
    EXPECT_EQ(firstCell(drawCells(QStringLiteral("12"), 2)), 2);
    // Eight characters in six cells: right alignment keeps the last one in the last cell.
    const auto longRight = drawCells(QStringLiteral("12345678"), 1);
    EXPECT_EQ(firstCell(longRight), -2);
    EXPECT_EQ(int((longRight.texts.last().origin.x() - kLeft) / cellWidth), 5);
    EXPECT_EQ(firstCell(drawCells(QStringLiteral("12345678"), 2)), -1);
}
