#pragma once
// Box numbers and the rules for placing a box on the canvas.
#include <QRect>

// A kind's boxes are numbered kind * 1000 + n, n = 1 .. 999; kind * 1000 is its template.
inline constexpr int kMaxBoxesPerKind = 999;
inline int BoxNumber(int kind, int n) { return kind * 1000 + n; }

// A box (not a line) moved by (dx, dy) and kept inside the canvas: a coordinate below
// 0 becomes 0, and a box passing the right or bottom edge ends on that edge.
QRect ClampedMove(const QRect& box, int dx, int dy, int canvasWidth, int canvasHeight);
