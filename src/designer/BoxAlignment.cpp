#include "designer/BoxAlignment.h"

#include <algorithm>

namespace {
// The coordinate of a box a mode lines up.
int Coordinate(int mode, const QRect& box) {
    switch (mode) {
    case kAlignTop: return box.y();
    case kAlignLeft: return box.x();
    case kAlignRight: return box.x() + box.width();
    case kAlignBottom: return box.y() + box.height();
    case kSameWidth: return box.width();
    default: return box.height();
    }
}
} // namespace

std::optional<int> AlignReference(int mode, const QList<QRect>& boxes) {
    std::optional<int> reference;
    const bool smallest = mode == kAlignTop || mode == kAlignLeft;
    for (const QRect& box : boxes) {
        const int value = Coordinate(mode, box);
        if (!reference || (smallest ? value < *reference : value > *reference)) reference = value;
    }
    return reference;
}

QPoint AlignDelta(int mode, const QRect& box, int value) {
    const int delta = value - Coordinate(mode, box);
    const bool horizontal = mode == kAlignLeft || mode == kAlignRight || mode == kSameWidth;
    return horizontal ? QPoint(delta, 0) : QPoint(0, delta);
}
