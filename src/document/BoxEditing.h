#pragma once
// Arranging boxes in the document, in millimetres: moving, resizing, arrow presses,
// font steps and pulling boxes back onto the page. Each call is one undoable step
// under its step name (EditSteps.h); the steps of one drag or a row of arrow presses
// merge into one (EditRun). Boxes other than lines are kept on the page; lines are
// free. The designer maps the pointer and the keys to millimetres and calls these.
#include "document/EditRun.h"

#include <QList>
#include <QPointF>
#include <optional>

class FormatDocument;
class Progress;
struct BoxRecord;

// One Ctrl+arrow press, in points.
inline constexpr double kFontStep = 0.5;

// The area boxes are kept on, in mm. A check box is shown at one size whatever its
// record holds: `checkSide` is that size where a view knows it; without it the
// record's W and H count.
struct EditArea {
    double width = 0, height = 0;
    std::optional<double> checkSide;
};
// The page of the document's format, check boxes as their records give them.
EditArea PageArea(const FormatDocument& document);

// The rectangle a box that is not a line takes on the page.
struct BoxPlace {
    double x = 0, y = 0, w = 0, h = 0;
};
BoxPlace PlaceOf(const BoxRecord& record, const EditArea& area);

// Which end of a line a drag holds: the held end moves alone, any other line whole.
enum class LineEnd { Both, First, Second };
struct LineGrip {
    qint64 id = 0;
    LineEnd end = LineEnd::Both;
};

// Millimetres to three decimals (ties to even), as records keep them.
double RoundMm(double mm);

// A box (not a line) moved by (dx, dy): a coordinate below 0 becomes 0, and a box
// passing the right or bottom edge ends on that edge.
BoxPlace ClampedMove(const BoxPlace& box, QPointF delta, const EditArea& area);
// A box (not a line) grown by (dw, dh): never below 0 nor past the right or bottom edge.
BoxPlace ClampedResize(const BoxPlace& box, QPointF delta, const EditArea& area);

// The record moved or grown as MoveBoxes and ResizeBoxes do it.
BoxRecord MovedRecord(BoxRecord record, QPointF delta, const EditArea& area, LineEnd end = LineEnd::Both);
BoxRecord ResizedRecord(BoxRecord record, QPointF delta, const EditArea& area);

// Moves the boxes by `delta` mm. Every kind moves.
void MoveBoxes(FormatDocument& document, const QList<qint64>& ids, QPointF delta, const EditArea& area,
               EditRun run = EditRun::None, LineGrip grip = {});
// Grows the boxes by `delta` mm; a line's second end moves; check boxes keep their size.
void ResizeBoxes(FormatDocument& document, const QList<qint64>& ids, QPointF delta, const EditArea& area,
                 EditRun run = EditRun::None);

// One arrow press on the selected boxes and the current one: moved by `step` mm, or
// with `resize` grown by it. False when there is no box to act on.
bool NudgeBoxes(FormatDocument& document, QPointF step, bool resize, const EditArea& area);
// One Ctrl+arrow press: `points` added to the font size of every selected box, with
// no bound. False when nothing is selected.
bool StepFontSize(FormatDocument& document, double points);

// Every box lying off the page is pulled back onto it (a line's end points each
// limited to the page), as one step; how many boxes changed.
int PullOntoPage(FormatDocument& document, const EditArea& area, Progress* progress = nullptr);
