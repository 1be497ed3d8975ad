#include "symbols/FitFontSize.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Every size measured builds a font engine, so a size is found from one measurement
// at this size (widths and heights grow in proportion to it) and then only checked.
constexpr int kReferenceSize = 100;
// The largest size ever chosen.
constexpr int kLargestSize = 5120;

QFontMetricsF MetricsAt(const QPainter& painter, QFont font, int pointSize) {
    font.setPointSize(pointSize);
    return QFontMetricsF(font, painter.device());
}

// The largest size from `estimate` up or down at which `measure(size) <= limit`, for a
// measure that grows with the size; 0 when not even size 1 passes.
template <typename Measure>
int LargestSizeWithin(int estimate, int largest, double limit, const Measure& measure) {
    int size = std::clamp(estimate, 0, largest);
    // Hinting keeps measures from being exactly proportional: step to the exact size.
    while (size < largest && measure(size + 1) <= limit) ++size;
    while (size >= 1 && measure(size) > limit) --size;
    return size;
}

int Estimate(double limit, double atReference, int fallback) {
    if (!(atReference > 0)) return fallback;
    return int(std::min<double>(std::floor(limit / atReference * kReferenceSize), kLargestSize));
}

} // namespace

int FitFontSize(const QPainter& painter, const QFont& font, const QString& text, double width) {
    const auto widthAt = [&](int size) { return MetricsAt(painter, font, size).horizontalAdvance(text); };
    return LargestSizeWithin(Estimate(width, widthAt(kReferenceSize), kLargestSize), kLargestSize,
                             width, widthAt);
}

int LimitFontSizeToHeight(const QPainter& painter, const QFont& font, int pointSize, double height) {
    const auto heightAt = [&](int size) { return MetricsAt(painter, font, size).height(); };
    if (pointSize < 1) return 0;
    if (heightAt(pointSize) <= height) return pointSize;
    return LargestSizeWithin(Estimate(height, heightAt(kReferenceSize), 0), pointSize, height,
                             heightAt);
}
