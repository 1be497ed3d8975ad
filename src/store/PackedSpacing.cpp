#include "store/PackedSpacing.h"

#include <cmath>

int AlignmentCode(double packed) {
    if (!std::isfinite(packed)) return 0;
    return static_cast<int>(std::fabs(packed) / 1000.0);
}

double LineSpacingMm(double packed) {
    if (!std::isfinite(packed)) return 0;
    double rest = std::fabs(packed);
    for (int i = 0; i < 20 && rest >= 1000.0; ++i) rest -= 1000.0;
    return packed < 0 ? -rest : rest;
}

double PackSpacing(int alignmentCode, double lineSpacingMm) {
    // The sign belongs to the spacing; the alignment lives in the magnitude.
    const double magnitude = alignmentCode * 1000.0 + std::fabs(lineSpacingMm);
    return lineSpacingMm < 0 ? -magnitude : magnitude;
}
