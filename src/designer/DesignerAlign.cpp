// The main menu's align and same-size commands and pulling boxes back onto the page.
#include "designer/DesignerView.h"

#include "designer/BoxAlignment.h"
#include "designer/BoxPlacement.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/TextNumber.h"
#include "core/Asker.h"
#include "store/Format.h"
#include "core/Progress.h"

#include <cmath>

namespace {
// Lines have no sides to line up; sizes are made equal for text, picture and label
// boxes only (a check box keeps its size).
bool TakesPart(const InputBox* box, int mode) {
    if (!box->IsSelected() || box->Kind() == BoxKind::Line) return false;
    return mode < kSameWidth || box->Kind() != BoxKind::Check;
}
} // namespace

std::optional<double> DesignerView::AlignProposal(int mode) const {
    QList<QRect> places;
    for (const InputBox* box : boxes_)
        if (TakesPart(box, mode)) places.append(PlaceOf(box));
    const std::optional<int> reference = AlignReference(mode, places);
    if (!reference) return std::nullopt;
    return std::round(*reference / canvas_->Scale().K() * 100) / 100;
}

void DesignerView::AlignBoxes(int mode) {
    if (!format_ || !asker_ || IsLocked() || mode < kAlignTop || mode > kSameHeight) return;
    const std::optional<double> proposed = AlignProposal(mode);
    if (!proposed) {
        asker_->Message(DesignerText::kSelectBoxesFirst);
        return;
    }
    const auto answer = asker_->AskText(DesignerText::kAskAlignValue, NumberText(*proposed));
    if (!answer || answer->trimmed().isEmpty()) return;
    const int value = int(std::lround(NumberFromText(*answer) * canvas_->Scale().K()));
    QList<InputBox*> boxes;
    for (InputBox* box : boxes_)
        if (TakesPart(box, mode)) boxes.append(box);
    BeginEdit();
    for (InputBox* box : boxes) {
        const QPoint delta = AlignDelta(mode, PlaceOf(box), value);
        if (mode < kSameWidth) MoveBox(box, delta.x(), delta.y());
        else ResizeBox(box, delta.x(), delta.y());
    }
    EndEdit(DesignerText::kStepAlign);
}

void DesignerView::AlignSameSize() {
    BeginEdit();
    AlignBoxes(kSameHeight);
    AlignBoxes(kSameWidth);
    EndEdit(DesignerText::kStepAlign);
}

int DesignerView::PullBoxesOntoPage() {
    if (!format_ || IsLocked()) return 0;
    SilentProgress silent;
    ProgressScope progress(progress_ ? *progress_ : silent, DesignerText::kCheckingBoxes,
                           int(boxes_.size()));
    const int width = CanvasWidthLimit(), height = CanvasHeightLimit();
    int pulled = 0;
    BeginEdit();
    for (InputBox* box : boxes_) {
        const QRect t = PlaceOf(box);
        const QRect onPage = box->Kind() == BoxKind::Line ? LineOnCanvas(t, width, height)
                                                          : ClampedMove(t, 0, 0, width, height);
        if (onPage != t) {
            StagePlace(box, onPage);
            ++pulled;
        }
        progress.Step();
    }
    EndEdit(DesignerText::kStepPullOnto);
    return pulled;
}
