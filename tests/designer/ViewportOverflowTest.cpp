// Scroll ranges of a page far larger than any screen stay sane numbers.
#include "designer/ViewportScrolling.h"

#include <gtest/gtest.h>

TEST(ViewportScrolling, HugePagesGiveBoundedRangesInsteadOfOverflowing) {
    for (double canvas : {1e10, 1e15, 1e300}) {
        for (const ScrollRange& range : {FitVerticalRange(canvas, 700), ZoomVerticalRange(canvas, 700),
                                         ZoomHorizontalRange(canvas, 900, -canvas / 2)}) {
            EXPECT_TRUE(range.enabled);
            EXPECT_GT(range.maximum, 1000) << canvas;
            EXPECT_LE(range.maximum, 5'000'000) << canvas;
            EXPECT_GE(range.value, 0);
            EXPECT_LE(range.value, range.maximum);
        }
    }
}
