#pragma once
// Scroll bar ranges of the viewport. The page scrolls in steps of a fifth of the
// viewport: bar value v puts the canvas top at -(VH / 5) * v (likewise horizontally).

struct ScrollRange {
    bool enabled = false;
    int maximum = 0;
    int value = 0;
};

// After fitting the page to the viewport width: the vertical bar.
ScrollRange FitVerticalRange(double canvasHeight, double viewHeight);
// After a zoom. `canvasLeft` is the canvas position before the zoom (0 or negative),
// so the horizontal bar keeps the view near the same place.
ScrollRange ZoomVerticalRange(double canvasHeight, double viewHeight);
ScrollRange ZoomHorizontalRange(double canvasWidth, double viewWidth, double canvasLeft);
// Canvas offset for a bar value.
double ScrollOffset(int value, double viewSize);
