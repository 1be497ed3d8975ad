// Rings, sums, chains and radio groups on a document's bill, as a user's edits set
// them off.
#include "AidsFixture.h"

#include "aids/EntryAids.h"
#include "aids/RingBuilders.h"

#include <QUndoStack>

namespace {

TEST_F(AidsTest, ASameRingGivesEveryBoxTheValueConvertedByItsOwnType) {
    // 1 plain text, 2 capitals, 3 lowercase amount: one ring 1 → 2 → 3 → 1.
    Open({{.rctl = 2}, {.cash = 103, .rctl = 3}, {.cash = 104, .rctl = 1}});
    Type(1, "123");
    EXPECT_EQ(At(2), "壹佰贰拾叁元整");
    EXPECT_EQ(At(3), "￥123.00");
    EXPECT_EQ(At(1), "123");

    // Typed in capitals, the amount box gets the number; the plain box the words.
    Type(2, "伍元整");
    EXPECT_EQ(At(3), "￥5.00");
    EXPECT_EQ(At(1), "伍元整");
}

struct SumCase {
    const char* name;
    QString first, second;
    bool negateSecond, multiply;
    QString expected;
};

class SumTest : public AidsTest, public ::testing::WithParamInterface<SumCase> {};

TEST_P(SumTest, TheTargetShowsTheSumOrProductOfItsContributors) {
    const SumCase& c = GetParam();
    const double sign = c.multiply ? -1 : 1;
    // 1 is the target (amount without symbol); 2 and 3 feed it.
    Open({{.cash = 105}, {.sumId = sign * 1}, {.sumId = sign * (1 + (c.negateSecond ? 0.1 : 0))}});
    document.SetContent(3, c.second);
    // The box held something else before: a box left as it was sets nothing off.
    document.SetContent(2, "-");
    Type(2, c.first);
    EXPECT_EQ(At(1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SumTest,
    ::testing::Values(SumCase{"Add", "10", "5", false, false, "15.00"},
                      SumCase{"AddNegated", "10", "5", true, false, "5.00"},
                      SumCase{"Multiply", "10", "5", false, true, "50.00"},
                      SumCase{"MultiplyNegated", "10", "5", true, true, "-50.00"},
                      SumCase{"MultiplyWithAnEmptyContributor", "10", "", false, true, ""},
                      SumCase{"AddAllEmpty", "", "", false, false, "0.00"},
                      SumCase{"ExactDecimals", "0.1", "0.2", false, false, "0.30"},
                      SumCase{"FormattedAndPercentContributors", "￥1,000.50", "10%", false, false,
                              "1,000.60"}),
    [](const auto& param) { return param.param.name; });

TEST_F(AidsTest, OneEditFlowsThroughChainedSumsAndTheirRings) {
    // A (1) feeds T1 (2); T1 feeds T2 (3) and shares a ring with capitals (4).
    Open({{.sumId = 2}, {.cash = 104, .rctl = 4, .sumId = 3}, {.cash = 105}, {.cash = 103, .rctl = 2},
          {.sumId = 2}});
    document.SetContent(5, "0.5");
    Type(1, "12");
    EXPECT_EQ(At(2), "￥12.50");
    EXPECT_EQ(At(3), "12.50");
    EXPECT_EQ(At(4), "壹拾贰元伍角整");
}

TEST_F(AidsTest, RingsEndAtMissingBoxesLoopsAndTheStepLimit) {
    // 1 → 2 → 3 → 2 (never back to 1), and 4 → a box that does not exist.
    Open({{.rctl = 2}, {.rctl = 3}, {.rctl = 2}, {.rctl = 99}});
    Type(1, "x");
    EXPECT_EQ(At(2), "x");
    EXPECT_EQ(At(3), "x");
    Type(4, "y");
    EXPECT_EQ(At(1), "x");

    // An open chain longer than the limit: the walk stops after 500 steps.
    QList<Box> chain;
    for (int i = 1; i <= 600; ++i) chain.append(Box{.rctl = double(i + 1)});
    Open(chain);
    Type(1, "z");
    EXPECT_EQ(At(501), "z");
    EXPECT_EQ(At(502), "");
}

TEST_F(AidsTest, CircularSumsStopInsteadOfSpinning) {
    Open({{.sumId = 2}, {.sumId = 1}});
    Type(1, "1");
    EXPECT_FALSE(At(2).isEmpty());
}

TEST_F(AidsTest, TickingOneBoxOfARadioGroupUnticksTheOthers) {
    const BoxKind check = BoxKind::Check;
    Open({{.rctl = 2, .kind = check}, {.rctl = 3, .kind = check}, {.rctl = 1, .kind = check}});
    document.SetContent(1, "1");
    document.SetContent(3, "1");
    Type(2, "1");
    EXPECT_EQ(At(1), "");
    EXPECT_EQ(At(2), "1");
    EXPECT_EQ(At(3), "");
    // Unticking leaves the others alone.
    document.SetContent(1, "1");
    Type(2, "");
    EXPECT_EQ(At(1), "1");
}

TEST_F(AidsTest, RingBuildersTieTheCurrentAndSelectedBoxesInOneUndoableStep) {
    const BoxKind check = BoxKind::Check;
    Open({{}, {}, {}, {}, {.kind = check}, {.kind = check}});
    document.SetCurrent(3);
    document.SetSelection({1, 4});
    ASSERT_TRUE(BuildRingForCurrent(document, false));
    const auto rctl = [this](qint64 id) { return document.Record(id)->rctl; };
    EXPECT_EQ(rctl(3), 1);
    EXPECT_EQ(rctl(1), 4);
    EXPECT_EQ(rctl(4), 3);
    EXPECT_EQ(rctl(2), 0);

    ASSERT_TRUE(BuildRingForCurrent(document, true));
    EXPECT_EQ(document.Record(3)->rctl1, -1);
    EXPECT_EQ(document.Record(4)->rctl1, -3);

    document.UndoStack()->undo();
    document.UndoStack()->undo();
    EXPECT_EQ(rctl(3), 0);
    EXPECT_EQ(document.Record(4)->rctl1, 0);

    // On a check box the same command ties a radio group of the selected check boxes;
    // with nothing else selected there is nothing to tie.
    document.SetCurrent(5);
    document.SetSelection({6, 1});
    ASSERT_TRUE(BuildRingForCurrent(document, false));
    EXPECT_EQ(rctl(5), 6);
    EXPECT_EQ(rctl(6), 5);
    EXPECT_EQ(rctl(1), 0);
    document.SetSelection({});
    EXPECT_FALSE(BuildRingForCurrent(document, false));
}

} // namespace
