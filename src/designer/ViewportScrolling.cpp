#include "designer/ViewportScrolling.h"

#include <algorithm>
#include <cmath>

namespace {
// Far more steps than any page needs, and far from int's limits.
constexpr double kMaxSteps = 1'000'000;

// The whole part towards minus infinity, computed in double and kept within
// kMaxSteps, so a huge page cannot overflow the bar.
int WholeSteps(double value) {
    return static_cast<int>(std::floor(std::isnan(value) ? 0 : std::clamp(value, -kMaxSteps, kMaxSteps)));
}

int FifthsToCover(double canvasSize, double viewSize) {
    return 5 * WholeSteps((canvasSize - viewSize) / viewSize + 0.999);
}
} // namespace

ScrollRange FitVerticalRange(double canvasHeight, double viewHeight) {
    if (viewHeight <= 0 || canvasHeight <= viewHeight) return {};
    return {true, FifthsToCover(canvasHeight, viewHeight), 0};
}

ScrollRange ZoomVerticalRange(double canvasHeight, double viewHeight) {
    if (viewHeight <= 0 || canvasHeight <= viewHeight) return {};
    const int maximum = WholeSteps((canvasHeight - viewHeight) / (viewHeight / 5) + 0.4999999) + 1;
    return {true, std::max(1, maximum), 0};
}

ScrollRange ZoomHorizontalRange(double canvasWidth, double viewWidth, double canvasLeft) {
    if (viewWidth <= 0 || canvasWidth <= viewWidth) return {};
    const int maximum = FifthsToCover(canvasWidth, viewWidth);
    const int value = std::clamp(WholeSteps(std::fabs(canvasLeft / canvasWidth) * maximum), 0, maximum);
    return {true, maximum, value};
}

double ScrollOffset(int value, double viewSize) {
    return -(viewSize / 5.0) * value;
}
