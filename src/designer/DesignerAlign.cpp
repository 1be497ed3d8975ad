// The main menu's align and same-size commands and pulling boxes back onto the page:
// the prompts here, the arranging in the document (document/BoxAlignment.h).
#include "designer/DesignerView.h"

#include "designer/DesignerTexts.h"
#include "designer/TextNumber.h"
#include "core/Asker.h"
#include "document/BoxAlignment.h"
#include "document/BoxEditing.h"
#include "document/FormatDocument.h"

#include <cmath>

namespace {
bool IsAlignMode(int mode) { return mode >= kAlignTop && mode <= kSameHeight; }
} // namespace

std::optional<double> DesignerView::AlignProposal(int mode) const {
    if (!format_ || !IsAlignMode(mode)) return std::nullopt;
    const std::optional<double> reference = AlignReference(*document_, AlignMode(mode), Area());
    if (!reference) return std::nullopt;
    return std::round(*reference * 100) / 100;
}

// The value in mm the user gives for a mode; nullopt when no box takes part (after
// saying so) or the answer is blank.
std::optional<double> DesignerView::AskAlignValue(int mode) {
    const std::optional<double> proposed = AlignProposal(mode);
    if (!proposed) {
        asker_->Message(DesignerText::kSelectBoxesFirst);
        return std::nullopt;
    }
    const auto answer = asker_->AskText(DesignerText::kAskAlignValue, NumberText(*proposed));
    if (!answer || answer->trimmed().isEmpty()) return std::nullopt;
    return NumberFromText(*answer);
}

void DesignerView::AlignBoxes(int mode) {
    if (!format_ || !asker_ || IsLocked() || !IsAlignMode(mode)) return;
    if (const std::optional<double> value = AskAlignValue(mode))
        ::AlignBoxes(*document_, AlignMode(mode), *value, Area());
}

void DesignerView::AlignSameSize() {
    if (!format_ || !asker_ || IsLocked()) return;
    if (!AlignProposal(kSameHeight)) {
        asker_->Message(DesignerText::kSelectBoxesFirst);
        return;
    }
    const std::optional<double> height = AskAlignValue(kSameHeight);
    const std::optional<double> width = AskAlignValue(kSameWidth);
    SameSize(*document_, height, width, Area());
}

void DesignerView::DistributeBoxes(bool horizontal) {
    if (!format_ || !asker_ || IsLocked()) return;
    if (!::DistributeBoxes(*document_, horizontal, Area())) asker_->Message(DesignerText::kSelectThreeBoxes);
}

int DesignerView::PullBoxesOntoPage() {
    if (!format_ || IsLocked()) return 0;
    return PullOntoPage(*document_, Area(), progress_);
}
