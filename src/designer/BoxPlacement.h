#pragma once
// Box numbers and the rules for placing a box on the canvas.
#include <QRect>

// A kind's boxes are numbered kind * 1000 + n, n = 1 .. 999; kind * 1000 is its template.
inline constexpr int kMaxBoxesPerKind = 999;
inline int BoxNumber(int kind, int n) { return kind * 1000 + n; }

// A box (not a line) moved by (dx, dy) and kept inside the canvas: a coordinate below
// 0 becomes 0, and a box passing the right or bottom edge ends on that edge.
QRect ClampedMove(const QRect& box, int dx, int dy, int canvasWidth, int canvasHeight);

// A box (not a line) grown by (dw, dh): never below 0 and never past the right or
// bottom edge of the canvas.
QRect ClampedResize(const QRect& box, int dw, int dh, int canvasWidth, int canvasHeight);

// A line's end points (the corners of its rectangle) each limited to the canvas.
QRect LineOnCanvas(const QRect& line, int canvasWidth, int canvasHeight);

// Whether a box meets the band between two corners given in any order; touching
// edges count.
bool BoxMeetsBand(const QRect& box, QPoint corner1, QPoint corner2);
// Whether a point lies in the band, edges included.
bool PointInBand(QPoint point, QPoint corner1, QPoint corner2);
