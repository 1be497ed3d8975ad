// Moving and resizing boxes with the mouse and the arrow keys, and their font size
// from the keyboard.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/BoxFocusOrder.h"
#include "designer/BoxHitArea.h"
#include "designer/BoxPlacement.h"
#include "designer/CanvasScale.h"
#include "designer/CheckInputBox.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace {
void ShowPointer(QWidget* widget, DragMode mode) {
    switch (mode) {
    case DragMode::Move: widget->setCursor(Qt::SizeAllCursor); break;
    case DragMode::Resize: widget->setCursor(Qt::SizeFDiagCursor); break;
    case DragMode::TextInput: widget->setCursor(Qt::IBeamCursor); break;
    case DragMode::WholeLine: widget->setCursor(Qt::CrossCursor); break;
    case DragMode::None: widget->unsetCursor(); break;
    }
}

QString TipFor(DragMode mode) {
    switch (mode) {
    case DragMode::Move: return DesignerText::kTipMoveBox;
    case DragMode::Resize: return DesignerText::kTipResizeBox;
    case DragMode::TextInput: return DesignerText::kTipTextInput;
    default: return {};
    }
}

void ToggleCheckBox(InputBox* box) {
    if (auto* check = qobject_cast<CheckInputBox*>(box)) check->Check()->click();
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
} // namespace

int DesignerView::CanvasWidthLimit() const { return int(canvas_->CanvasWidth()); }
int DesignerView::CanvasHeightLimit() const { return int(canvas_->CanvasHeight()); }

// The pointer relative to the box's place in twips, so that a box that travels with
// the pointer keeps the same local point whatever its pixel rounding.
QPoint DesignerView::BoxLocalTwips(const InputBox* box, const QWidget* part, QPointF position) const {
    const QPointF onCanvas = part->mapTo(canvas_, position);
    return canvas_->ToTwips(onCanvas) - box->Twips().topLeft();
}

bool DesignerView::BoxPartEvent(InputBox* box, QWidget* part, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint local = BoxLocalTwips(box, part, mouse->position());
        if (dragging_) {
            if (!(mouse->buttons() & Qt::LeftButton) || dragId_ != box->Id()) return false;
            DragBox(local);
            return true;
        }
        if (mouse->buttons() == Qt::NoButton) HoverBox(box, part, local);
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || (mouse->modifiers() & Qt::ControlModifier)) return false;
        const QPoint local = BoxLocalTwips(box, part, mouse->position());
        HoverBox(box, part, local);
        if (dragMode_ != DragMode::Move && dragMode_ != DragMode::Resize) return false;
        dragging_ = true;
        dragStarted_ = false;
        SetCurrentBox(box);
        document_->EndRun(); // one drag, one step
        BeginEdit();
        return true; // the box's input does not see the press that drags it
    }
    case QEvent::MouseButtonRelease: {
        if (!dragging_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        const bool clicked = !dragStarted_;
        FinishDrag();
        ShowPointer(part, DragMode::None);
        // A press on a check box that never became a drag is a click on it.
        if (clicked && box->Kind() == BoxKind::Check) ToggleCheckBox(box);
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool backwards = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (InputBox* next = NextInputBox(boxes_, box, backwards)) {
                SetCurrentBox(next);
                next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            }
            return true; // never a tab character in the text
        }
        if (IsArrow(key->key()) && IsEditingText(box, part)) {
            // The caret moves; at the end of the text the key stops here rather than
            // reaching the canvas, where it would move boxes.
            static_cast<QObject*>(part)->event(event);
            return true;
        }
        if (!document_ || document_->Selection().isEmpty()) return false;
        return NudgeKey(key->key(), key->modifiers());
    }
    default: return false;
    }
}

// Hit areas are looked at only while the format may be changed.
void DesignerView::HoverBox(InputBox* box, QWidget* part, QPoint local) {
    dragId_ = box->Id();
    if (IsLocked()) {
        dragMode_ = DragMode::None;
        ShowPointer(part, DragMode::None);
        part->setToolTip({});
        return;
    }
    dragMode_ = BoxHitMode(local, box->Twips().size(), box->Kind() != BoxKind::Check);
    anchor_ = local;
    ShowPointer(part, dragMode_);
    part->setToolTip(TipFor(dragMode_));
}

void DesignerView::DragBox(QPoint local) {
    const QPoint delta = local - anchor_;
    if (!PastDragThreshold(delta)) return;
    dragStarted_ = true;
    const bool move = dragMode_ == DragMode::Move;
    if (move) {
        MoveBoxes(delta.x(), delta.y()); // the box follows the pointer: the anchor stays
    } else if (dragMode_ == DragMode::Resize) {
        ResizeBoxes(delta.x(), delta.y());
        anchor_ = local;
    }
    // The drag's edit stays open until the release; what moved so far is shown now.
    CommitStaged(move ? DesignerText::kStepMove : DesignerText::kStepResize,
                 move ? EditRun::Move : EditRun::Resize);
}

// Each step of a drag is handed to the document at once (the box follows), merged
// into the drag's one undo step.
void DesignerView::FinishDrag() {
    const DragMode mode = dragMode_;
    dragging_ = false;
    dragMode_ = DragMode::None;
    EndEdit(mode == DragMode::Resize ? DesignerText::kStepResize : DesignerText::kStepMove);
    if (document_) document_->EndRun();
}

void DesignerView::MoveBoxes(int dx, int dy) {
    if (IsLocked()) return;
    for (InputBox* box : BoxesToActOn()) MoveBox(box, dx, dy);
}

void DesignerView::ResizeBoxes(int dw, int dh) {
    if (IsLocked()) return;
    for (InputBox* box : BoxesToActOn())
        if (box->Kind() != BoxKind::Check) ResizeBox(box, dw, dh);
}

// A line being dragged by an end point moves that point only; every other line moves
// whole. Lines are not kept on the canvas.
void DesignerView::MoveBox(InputBox* box, int dx, int dy) {
    if (!box) return;
    const QRect t = PlaceOf(box);
    if (box->Kind() == BoxKind::Line) {
        const DragMode part = dragging_ && box->Id() == dragId_ ? dragMode_ : DragMode::WholeLine;
        QPoint first = t.topLeft(), second = t.topLeft() + QPoint(t.width(), t.height());
        if (part != DragMode::Resize) first += QPoint(dx, dy);
        if (part != DragMode::Move) second += QPoint(dx, dy);
        StagePlace(box, QRect(first, QSize(second.x() - first.x(), second.y() - first.y())));
    } else {
        StagePlace(box, ClampedMove(t, dx, dy, CanvasWidthLimit(), CanvasHeightLimit()));
    }
}

// A line grows at its second end point.
void DesignerView::ResizeBox(InputBox* box, int dw, int dh) {
    if (!box || box->Kind() == BoxKind::Check) return;
    const QRect t = PlaceOf(box);
    if (box->Kind() == BoxKind::Line)
        StagePlace(box, QRect(t.topLeft(), QSize(t.width() + dw, t.height() + dh)));
    else
        StagePlace(box, ClampedResize(t, dw, dh, CanvasWidthLimit(), CanvasHeightLimit()));
}

bool DesignerView::NudgeKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!format_ || IsLocked() || !IsArrow(key)) return false;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (modifiers & Qt::ControlModifier) {
        if (!document_ || document_->Selection().isEmpty()) return false;
        BeginEdit();
        ChangeFontSize(back ? -kFontStep : kFontStep);
        EndEdit(DesignerText::kStepFont, EditRun::FontSize);
        return true;
    }
    // With nothing to arrange the key is left to the box's input.
    if (BoxesToActOn().isEmpty()) return false;
    const int step = back ? -kNudgeStep : kNudgeStep;
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    const int dx = horizontal ? step : 0, dy = horizontal ? 0 : step;
    BeginEdit();
    if (modifiers & Qt::ShiftModifier) {
        ResizeBoxes(dx, dy);
        EndEdit(DesignerText::kStepResize, EditRun::Resize);
    } else {
        MoveBoxes(dx, dy);
        EndEdit(DesignerText::kStepMove, EditRun::Move);
    }
    return true;
}

// No bound is put on the size: the record keeps what the user stepped to.
void DesignerView::ChangeFontSize(double step) {
    for (const BoxRecord& current : format_->boxes) {
        if (!document_->IsSelected(current.id)) continue;
        BoxRecord record = stagedRecords_.value(current.id, current);
        record.fontSize += step;
        StageRecord(record);
    }
}
