#include "designer/BoxPlacement.h"

#include <algorithm>

QRect ClampedMove(const QRect& box, int dx, int dy, int canvasWidth, int canvasHeight) {
    int left = std::max(0, box.x() + dx);
    int top = std::max(0, box.y() + dy);
    if (left + box.width() > canvasWidth) left = canvasWidth - box.width();
    if (top + box.height() > canvasHeight) top = canvasHeight - box.height();
    return QRect(left, top, box.width(), box.height());
}

QRect ClampedResize(const QRect& box, int dw, int dh, int canvasWidth, int canvasHeight) {
    int width = std::max(0, box.width() + dw);
    int height = std::max(0, box.height() + dh);
    if (box.x() + width > canvasWidth) width = canvasWidth - box.x();
    if (box.y() + height > canvasHeight) height = canvasHeight - box.y();
    // A box already lying past the edge keeps no negative size.
    return QRect(box.x(), box.y(), std::max(0, width), std::max(0, height));
}

QRect LineOnCanvas(const QRect& line, int canvasWidth, int canvasHeight) {
    const int x1 = std::clamp(line.x(), 0, canvasWidth);
    const int y1 = std::clamp(line.y(), 0, canvasHeight);
    const int x2 = std::clamp(line.x() + line.width(), 0, canvasWidth);
    const int y2 = std::clamp(line.y() + line.height(), 0, canvasHeight);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

bool BoxMeetsBand(const QRect& box, QPoint corner1, QPoint corner2) {
    const int x1 = std::min(corner1.x(), corner2.x()), x2 = std::max(corner1.x(), corner2.x());
    const int y1 = std::min(corner1.y(), corner2.y()), y2 = std::max(corner1.y(), corner2.y());
    return !(x2 < box.x() || box.x() + box.width() < x1 || y2 < box.y() || box.y() + box.height() < y1);
}

bool PointInBand(QPoint point, QPoint corner1, QPoint corner2) {
    return BoxMeetsBand(QRect(point, QSize(0, 0)), corner1, corner2);
}
