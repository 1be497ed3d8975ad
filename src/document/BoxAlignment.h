#pragma once
// The align and same-size commands over the selected boxes, in millimetres. Lines
// have no sides to line up and take no part; sizes are made equal for text, picture
// and label boxes only (a check box keeps its size). Each command is one step.
#include <optional>

class FormatDocument;
struct EditArea;

// The main menu's entries under "内容框设置(&C)".
enum AlignMode { kAlignTop = 0, kAlignLeft = 1, kAlignRight = 2, kAlignBottom = 3,
                 kSameWidth = 4, kSameHeight = 5 };

// The reference of a mode over the selected boxes that take part: smallest top or
// left, largest right or bottom edge, largest width or height; nullopt when no box
// takes part.
std::optional<double> AlignReference(const FormatDocument& document, AlignMode mode, const EditArea& area);

// Moves (modes 0 to 3) or resizes (4 and 5) every selected box that takes part so
// that its coordinate of the mode is `value` mm, kept on the page. False when no box
// takes part.
bool AlignBoxes(FormatDocument& document, AlignMode mode, double value, const EditArea& area);

// "统一尺寸": the heights, then the widths, whichever is given, as one step.
bool SameSize(FormatDocument& document, std::optional<double> height, std::optional<double> width,
              const EditArea& area);

// "水平等距分布" / "垂直等距分布": the selected boxes that take part (lines aside) keep
// their order along the axis; the first and the last stay where they are and the gaps
// between neighbours become equal. One step; false with fewer than three boxes.
bool DistributeBoxes(FormatDocument& document, bool horizontal, const EditArea& area);
