#pragma once
// The `L` column packs a box's alignment and its line spacing in one number:
// alignment × 1000 + line spacing in millimetres.

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// Integer part of |L| / 1000: 0 left, 1 right, 2 centre (other codes are kept as read).
int AlignmentCode(double packed);
// |L| with up to 20 thousands taken off, sign restored: the line spacing in mm.
double LineSpacingMm(double packed);
// The inverse, for the editors: alignment × 1000 + spacing.
double PackSpacing(int alignmentCode, double lineSpacingMm);
