#include "designer/BoxFocusOrder.h"

#include "designer/InputBox.h"

namespace {
bool TakesInput(const InputBox* box) {
    return box->Kind() == BoxKind::Text || box->Kind() == BoxKind::Check;
}
} // namespace

InputBox* NextInputBox(const QList<InputBox*>& boxes, const InputBox* from, bool backwards) {
    const int count = int(boxes.size());
    const int start = int(boxes.indexOf(const_cast<InputBox*>(from)));
    for (int step = 1; step <= count; ++step) {
        const int at = start < 0 ? (backwards ? count - step : step - 1)
                                 : ((start + (backwards ? -step : step)) % count + count) % count;
        InputBox* box = boxes.at(at);
        if (box != from && TakesInput(box)) return box;
    }
    return nullptr;
}

bool IsEditingText(const InputBox* box, const QWidget* part) {
    return box->Kind() == BoxKind::Text && !box->IsSelected() && part != box;
}
