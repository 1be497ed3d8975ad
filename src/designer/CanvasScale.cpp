#include "designer/CanvasScale.h"

#include <cmath>

// std::nearbyint rounds ties to even under the default rounding mode.
long CanvasScale::MmToCanvas(double mm) const {
    return std::lrint(mm * K());
}

double CanvasScale::CanvasToMm(double twips) const {
    return std::nearbyint(twips / K() * 1000.0) / 1000.0;
}

double TwipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}
