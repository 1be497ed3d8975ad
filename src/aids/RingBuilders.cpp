#include "aids/RingBuilders.h"

#include "aids/AidsTexts.h"
#include "document/FormatDocument.h"

namespace {

enum class Writes { SameRCtl, RelatedRCtl1 };

void SetLink(BoxRecord& box, qint64 to, Writes writes) {
    if (writes == Writes::SameRCtl) box.rctl = double(to);
    else box.rctl1 = -to;
}

bool BuildRing(FormatDocument& document, BoxKind kind, Writes writes, const QString& step) {
    const BoxRecord* start = document.Record(document.CurrentId());
    if (!start || start->kind != kind) return false;
    const qint64 startId = start->id;
    QList<BoxRecord> changed;
    BoxRecord previous = *start;
    // The records are kept in box-number order within each kind.
    for (const BoxRecord& box : document.GetFormat().boxes) {
        if (box.kind != kind || box.id == startId || !document.IsSelected(box.id)) continue;
        SetLink(previous, box.id, writes);
        changed.append(previous);
        previous = box;
    }
    if (changed.isEmpty()) return false;
    SetLink(previous, startId, writes);
    changed.append(previous);
    document.ChangeRecords(changed, step);
    return true;
}

} // namespace

bool BuildSameRing(FormatDocument& document) {
    return BuildRing(document, BoxKind::Text, Writes::SameRCtl, AidsText::kStepSameRing);
}

bool BuildRelatedRing(FormatDocument& document) {
    return BuildRing(document, BoxKind::Text, Writes::RelatedRCtl1, AidsText::kStepRelatedRing);
}

bool BuildRadioGroup(FormatDocument& document) {
    return BuildRing(document, BoxKind::Check, Writes::SameRCtl, AidsText::kStepSameRing);
}

bool BuildRingForCurrent(FormatDocument& document, bool related) {
    const BoxRecord* current = document.Record(document.CurrentId());
    if (!current) return false;
    if (current->kind == BoxKind::Check) return !related && BuildRadioGroup(document);
    return related ? BuildRelatedRing(document) : BuildSameRing(document);
}
