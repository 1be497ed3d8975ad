#pragma once
// Box numbers and the rubber band's test on the canvas.
#include <QRect>

// A kind's boxes are numbered kind * 1000 + n, n = 1 .. 999; kind * 1000 is its template.
inline constexpr int kMaxBoxesPerKind = 999;
inline int BoxNumber(int kind, int n) { return kind * 1000 + n; }

// Whether a box meets the band between two corners given in any order; touching
// edges count.
bool BoxMeetsBand(const QRect& box, QPoint corner1, QPoint corner2);
// Whether a point lies in the band, edges included.
bool PointInBand(QPoint point, QPoint corner1, QPoint corner2);
