#include "designer/BoxPlacement.h"

#include <algorithm>

QRect ClampedMove(const QRect& box, int dx, int dy, int canvasWidth, int canvasHeight) {
    int left = std::max(0, box.x() + dx);
    int top = std::max(0, box.y() + dy);
    if (left + box.width() > canvasWidth) left = canvasWidth - box.width();
    if (top + box.height() > canvasHeight) top = canvasHeight - box.height();
    return QRect(left, top, box.width(), box.height());
}
