// Millimetres to canvas twips and back, the scroll ranges and the ruler grid.
#include "designer/CanvasScale.h"
#include "designer/RulerGrid.h"
#include "designer/TableRuling.h"
#include "designer/ViewportScrolling.h"

#include <gtest/gtest.h>

TEST(CanvasScale, A4InAn8000TwipViewportRoundsBothWaysAndTiesToEven) {
    const CanvasScale scale(8000, 210);
    EXPECT_EQ(scale.MmToCanvas(10), 381);
    EXPECT_DOUBLE_EQ(scale.CanvasToMm(500), 13.125);
    // Round trips of whole twips stay within a twip.
    for (int t : {0, 1, 37, 999, 7999}) EXPECT_NEAR(scale.MmToCanvas(scale.CanvasToMm(t)), t, 1);
    const CanvasScale unit(100, 100); // one twip per millimetre
    for (auto [mm, twips] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}}) EXPECT_EQ(unit.MmToCanvas(mm), twips) << mm;
}

TEST(ViewportScrolling, FitAndZoomRanges) {
    // A page shorter than the viewport needs no bar.
    EXPECT_FALSE(FitVerticalRange(900, 1000).enabled);
    EXPECT_FALSE(ZoomVerticalRange(1000, 1000).enabled);
    EXPECT_FALSE(ZoomHorizontalRange(1000, 1000, 0).enabled);
    // 2.5 viewports tall: two whole viewports to cover, five steps each.
    EXPECT_EQ(FitVerticalRange(2500, 1000).maximum, 10);
    // After a zoom: steps of a fifth, rounded, plus one; never below 1.
    EXPECT_EQ(ZoomVerticalRange(2500, 1000).maximum, 8);
    EXPECT_EQ(ZoomVerticalRange(1001, 1000).maximum, 1);
    // The horizontal bar keeps the view near the same place.
    const ScrollRange h = ZoomHorizontalRange(4000, 1000, -2000);
    EXPECT_TRUE(h.enabled);
    EXPECT_EQ(h.maximum, 15);
    EXPECT_EQ(h.value, 7);
    EXPECT_DOUBLE_EQ(ScrollOffset(3, 1000), -600);
}

TEST(RulerGrid, A95mmPageNumbersCentimetresAndRulesEveryTwoMillimetres) {
    const RulerGrid grid = BuildRulerGrid(95, 40);
    ASSERT_EQ(grid.verticals.size(), 48);
    EXPECT_EQ(grid.verticals.first().mm, 0);
    EXPECT_EQ(grid.verticals.last().mm, 94);
    EXPECT_TRUE(grid.verticals[5].major);  // 10 mm
    EXPECT_FALSE(grid.verticals[6].major); // 12 mm
    QStringList top, side;
    for (const RulerNumber& n : grid.numbers) (n.vertical ? top : side) << n.text;
    EXPECT_EQ(top, QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    // The side numbers start at 1: 0 stands in the corner once.
    EXPECT_EQ(side, QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(grid.horizontals.last().mm, 40);
}

TEST(TableRuling, RulesOutlineAndInnerLinesEvenly) {
    const QList<QLineF> lines = RuleTable({10, 20, 70, 50, 3, 2});
    ASSERT_EQ(lines.size(), 4 + 3);
    EXPECT_EQ(lines[3], QLineF(10, 50, 70, 50));
    EXPECT_EQ(lines[5], QLineF(40, 20, 40, 50));
    // Corners given the other way round rule the same table; no rows or no width, nothing.
    EXPECT_EQ(RuleTable({70, 50, 10, 20, 3, 2}), lines);
    EXPECT_TRUE(RuleTable({10, 20, 70, 50, 0, 2}).isEmpty());
    EXPECT_TRUE(RuleTable({10, 20, 10, 50, 1, 1}).isEmpty());
}
