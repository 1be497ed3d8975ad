#include "designer/BoxPlacement.h"

#include <algorithm>

bool BoxMeetsBand(const QRect& box, QPoint corner1, QPoint corner2) {
    const int x1 = std::min(corner1.x(), corner2.x()), x2 = std::max(corner1.x(), corner2.x());
    const int y1 = std::min(corner1.y(), corner2.y()), y2 = std::max(corner1.y(), corner2.y());
    return !(x2 < box.x() || box.x() + box.width() < x1 || y2 < box.y() || box.y() + box.height() < y1);
}

bool PointInBand(QPoint point, QPoint corner1, QPoint corner2) {
    return BoxMeetsBand(QRect(point, QSize(0, 0)), corner1, corner2);
}
