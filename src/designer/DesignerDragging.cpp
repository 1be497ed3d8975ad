// Moving and resizing boxes with the mouse and the arrow keys, and their font size
// from the keyboard.
#include "designer/DesignerView.h"

#include "designer/BoxFocusOrder.h"
#include "designer/BoxHitArea.h"
#include "designer/BoxTemplates.h"
#include "designer/CanvasScale.h"
#include "designer/CheckInputBox.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/BoxEditing.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>

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

EditArea DesignerView::Area() const {
    const double checkSide = canvas_->Scale().CanvasToMm(TemplateTwips(BoxKind::Check).width());
    return {format_->page.width, format_->page.height, checkSide};
}

// While a box or a line is dragged the travel is measured at the point held, so that
// it lands where the pointer puts it in whole twips (a box between twips comes onto
// the pointer's twip); the other boxes go the same distance in mm and keep their
// spacing exactly. An arrow press is a plain distance. An axis without travel stays.
QPointF DesignerView::MmDelta(QPoint delta, bool resize) const {
    const CanvasScale scale = canvas_->Scale();
    const InputBox* held = dragging_ ? BoxById(dragId_) : nullptr;
    const BoxRecord* record = RecordOf(held);
    const auto axis = [&](int travel, int fromTwips, double fromMm) {
        if (travel == 0) return 0.0;
        return record ? scale.CanvasToMm(fromTwips + travel) - fromMm : scale.CanvasToMm(travel);
    };
    if (!record) return {axis(delta.x(), 0, 0), axis(delta.y(), 0, 0)};
    const QRect t = held->Twips();
    const bool line = record->kind == BoxKind::Line;
    if (line && Grip().end == LineEnd::Second)
        return {axis(delta.x(), t.x() + t.width(), record->w),
                axis(delta.y(), t.y() + t.height(), record->h)};
    if (resize && !line)
        return {axis(delta.x(), t.width(), record->w), axis(delta.y(), t.height(), record->h)};
    return {axis(delta.x(), t.x(), record->x), axis(delta.y(), t.y(), record->y)};
}

LineGrip DesignerView::Grip() const {
    const InputBox* held = dragging_ ? BoxById(dragId_) : nullptr;
    if (!held || held->Kind() != BoxKind::Line) return {};
    const LineEnd end = dragMode_ == DragMode::Move     ? LineEnd::First
                        : dragMode_ == DragMode::Resize ? LineEnd::Second
                                                        : LineEnd::Both;
    return {dragId_, end};
}

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
    if (dragMode_ == DragMode::Move) {
        MoveBoxes(delta.x(), delta.y()); // the box follows the pointer: the anchor stays
    } else if (dragMode_ == DragMode::Resize) {
        ResizeBoxes(delta.x(), delta.y());
        anchor_ = local;
    }
}

// Each step of a drag went to the document at once (the box follows), merged into
// the drag's one undo step; the release ends the run.
void DesignerView::FinishDrag() {
    dragging_ = false;
    dragMode_ = DragMode::None;
    if (document_) document_->EndRun();
}

void DesignerView::MoveBoxes(int dx, int dy) {
    if (!format_ || IsLocked()) return;
    ::MoveBoxes(*document_, document_->IdsToActOn(), MmDelta({dx, dy}, false), Area(), EditRun::Move, Grip());
}

void DesignerView::ResizeBoxes(int dw, int dh) {
    if (!format_ || IsLocked()) return;
    ::ResizeBoxes(*document_, document_->IdsToActOn(), MmDelta({dw, dh}, true), Area(), EditRun::Resize);
}

bool DesignerView::NudgeKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!format_ || IsLocked() || !IsArrow(key)) return false;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (modifiers & Qt::ControlModifier) return StepFontSize(*document_, back ? -kFontStep : kFontStep);
    const int step = back ? -kNudgeStep : kNudgeStep;
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    const bool resize = modifiers & Qt::ShiftModifier;
    const QPoint delta = horizontal ? QPoint(step, 0) : QPoint(0, step);
    // With nothing to arrange the key is left to the box's input.
    return NudgeBoxes(*document_, MmDelta(delta, resize), resize, Area());
}
