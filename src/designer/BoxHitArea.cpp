#include "designer/BoxHitArea.h"

#include <cstdlib>

DragMode BoxHitMode(QPoint local, QSize size, bool resizable) {
    if (!resizable) return DragMode::Move;
    if (local.x() < kHitCorner && local.y() < kHitCorner) return DragMode::Move;
    if (resizable && size.width() - local.x() < kHitCorner && size.height() - local.y() < kHitCorner)
        return DragMode::Resize;
    return DragMode::TextInput;
}

bool PastDragThreshold(QPoint delta) {
    return std::abs(delta.x()) > kDragThreshold || std::abs(delta.y()) > kDragThreshold;
}
