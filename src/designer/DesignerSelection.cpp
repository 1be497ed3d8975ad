// The canvas under the pointer: selecting with clicks and the rubber band, and
// dragging lines, which take no mouse input of their own.
#include "designer/DesignerView.h"

#include "document/FormatDocument.h"

#include "designer/BoxHitArea.h"
#include "designer/BoxPlacement.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/LineInputBox.h"
#include "designer/PageCanvas.h"

#include <QRubberBand>
#include <cmath>
#include <cstdlib>

namespace {
void ShowLinePointer(QWidget* canvas, DragMode mode) {
    switch (mode) {
    case DragMode::Move: canvas->setCursor(Qt::SizeAllCursor); break;
    case DragMode::Resize: canvas->setCursor(Qt::SizeFDiagCursor); break;
    case DragMode::WholeLine: canvas->setCursor(Qt::CrossCursor); break;
    default: canvas->unsetCursor(); break;
    }
}
} // namespace

void DesignerView::SelectInRectangle(QPoint corner1, QPoint corner2, bool ctrl) {
    for (InputBox* box : boxes_) {
        bool meets;
        if (auto* line = qobject_cast<LineInputBox*>(box))
            meets = PointInBand(line->FirstEnd(), corner1, corner2) ||
                    PointInBand(line->SecondEnd(), corner1, corner2);
        else
            meets = BoxMeetsBand(box->Twips(), corner1, corner2);
        const bool selected = ctrl ? document_->IsSelected(box->Id()) || meets : meets;
        document_->SetSelected(box->Id(), selected);
    }
}

// The first line hit, in box-number order; none while the format is locked.
LineInputBox* DesignerView::LineAt(QPoint twips, DragMode* part) const {
    *part = DragMode::None;
    if (IsLocked()) return nullptr;
    for (InputBox* box : boxes_) {
        auto* line = qobject_cast<LineInputBox*>(box);
        if (!line) continue;
        *part = line->HitPart(twips);
        if (*part != DragMode::None) return line;
    }
    return nullptr;
}

void DesignerView::CanvasPressed(QPoint twips, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    DragMode part = DragMode::None;
    LineInputBox* line = LineAt(twips, &part);
    if (!ctrl) SelectInRectangle(twips, twips, false);
    if (line) {
        // Cleared first, so that a plain click on a line's body selects just that line.
        if (part == DragMode::WholeLine) ToggleSelected(line);
        dragMode_ = part;
        dragId_ = line->Id();
        anchor_ = twips;
        dragging_ = true;
        SetCurrentBox(line);
        document_->EndRun(); // one drag, one step
        return;
    }
    banding_ = true;
    bandStart_ = bandEnd_ = twips;
    canvas_->setToolTip(DesignerText::kTipRubberBand);
}

void DesignerView::CanvasMoved(QPoint twips, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (buttons == Qt::NoButton) {
        DragMode part = DragMode::None;
        LineInputBox* line = LineAt(twips, &part);
        dragMode_ = part;
        dragId_ = line ? line->Id() : 0;
        ShowLinePointer(canvas_, part);
        if (line) {
            anchor_ = twips;
            canvas_->setToolTip(DesignerText::kTipDragLine);
        }
        return;
    }
    if (!(buttons & Qt::LeftButton)) return;
    if (dragging_) {
        const QPoint delta = twips - anchor_;
        if (!PastDragThreshold(delta)) return;
        MoveBoxes(delta.x(), delta.y());
        anchor_ = twips;
        return;
    }
    if (!banding_) return;
    const QPoint step = twips - bandEnd_;
    if (std::abs(step.x()) < kBandStep && std::abs(step.y()) <= kBandStep) return;
    bandEnd_ = twips;
    ShowBand();
    SelectInRectangle(bandStart_, bandEnd_, modifiers & Qt::ControlModifier);
}

void DesignerView::CanvasReleased() {
    if (dragging_) FinishDrag();
    banding_ = false;
    if (band_) band_->hide();
    canvas_->unsetCursor();
    canvas_->setToolTip(DesignerText::kTipKeys);
    RedrawCanvas();
}

void DesignerView::ShowBand() {
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, canvas_);
    const double tpp = canvas_->TwipsPerPixel();
    const QRectF twips = QRectF(QPointF(bandStart_), QPointF(bandEnd_)).normalized();
    band_->setGeometry(QRectF(twips.topLeft() / tpp, twips.bottomRight() / tpp).toAlignedRect());
    band_->raise();
    band_->show();
}
