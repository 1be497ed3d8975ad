#pragma once
// The align and same-size commands on box rectangles in canvas twips.
#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

// The modes of DesignerView::AlignBoxes, as the main menu's entries under
// "内容框设置(&C)" use them.
enum AlignMode { kAlignTop = 0, kAlignLeft = 1, kAlignRight = 2, kAlignBottom = 3,
                 kSameWidth = 4, kSameHeight = 5 };

// The reference of an AlignMode over the boxes: smallest Top or Left, largest right
// or bottom edge, largest width or height; nullopt without boxes.
std::optional<int> AlignReference(int mode, const QList<QRect>& boxes);

// How far a box moves (modes 0 to 3) or grows (4 and 5) to meet the value.
QPoint AlignDelta(int mode, const QRect& box, int value);
