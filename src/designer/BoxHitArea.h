#pragma once
// The hit areas of a box and the distances of dragging and nudging, in canvas twips.
#include "designer/DragMode.h"

#include <QPoint>
#include <QSize>

inline constexpr int kHitCorner = 100;     // side of the move and resize corners
inline constexpr int kDragThreshold = 12;  // smaller movements are taken as a shaky hand
inline constexpr int kNudgeStep = 10;      // one arrow key
inline constexpr int kBandStep = 100;      // the rubber band follows in steps of this
inline constexpr int kLineTolerance = 30;  // least distance at which a line is hit

// The mode a box-local point selects: the top-left corner moves, the bottom-right
// corner resizes, anywhere else is for input. A box that cannot be resized (a check
// box, too small for corners) is moved by its whole face: a press there is a click
// unless the pointer goes past the drag threshold.
DragMode BoxHitMode(QPoint local, QSize size, bool resizable);

// Whether the pointer has gone far enough from the anchor to drag.
bool PastDragThreshold(QPoint delta);
