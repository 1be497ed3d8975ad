#include "document/BoxAlignment.h"

#include "document/BoxEditing.h"
#include "document/EditSteps.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <QPointF>

#include <algorithm>

namespace {
bool TakesPart(const FormatDocument& document, const BoxRecord& record, AlignMode mode) {
    if (!document.IsSelected(record.id) || record.kind == BoxKind::Line) return false;
    return mode < kSameWidth || record.kind != BoxKind::Check;
}

// The coordinate of a box a mode lines up.
double Coordinate(AlignMode mode, const BoxPlace& box) {
    switch (mode) {
    case kAlignTop: return box.y;
    case kAlignLeft: return box.x;
    case kAlignRight: return box.x + box.w;
    case kAlignBottom: return box.y + box.h;
    case kSameWidth: return box.w;
    case kSameHeight: return box.h;
    }
    return box.h;
}

// The record moved or grown so that its coordinate of the mode meets the value.
BoxRecord Aligned(const BoxRecord& record, AlignMode mode, double value, const EditArea& area) {
    const double delta = value - Coordinate(mode, PlaceOf(record, area));
    const bool horizontal = mode == kAlignLeft || mode == kAlignRight || mode == kSameWidth;
    const QPointF step = horizontal ? QPointF(delta, 0) : QPointF(0, delta);
    return mode < kSameWidth ? MovedRecord(record, step, area) : ResizedRecord(record, step, area);
}

// Each record taking part in every mode given, the modes applied in turn.
QList<BoxRecord> AlignedAll(const FormatDocument& document,
                            const QList<std::pair<AlignMode, double>>& modes, const EditArea& area) {
    QList<BoxRecord> records;
    for (const BoxRecord& record : document.GetFormat().boxes) {
        BoxRecord changed = record;
        bool takesPart = false;
        for (const auto& [mode, value] : modes) {
            if (!TakesPart(document, record, mode)) continue;
            changed = Aligned(changed, mode, value, area);
            takesPart = true;
        }
        if (takesPart) records.append(changed);
    }
    return records;
}
} // namespace

std::optional<double> AlignReference(const FormatDocument& document, AlignMode mode, const EditArea& area) {
    std::optional<double> reference;
    const bool smallest = mode == kAlignTop || mode == kAlignLeft;
    for (const BoxRecord& record : document.GetFormat().boxes) {
        if (!TakesPart(document, record, mode)) continue;
        const double value = Coordinate(mode, PlaceOf(record, area));
        if (!reference || (smallest ? value < *reference : value > *reference)) reference = value;
    }
    return reference;
}

bool AlignBoxes(FormatDocument& document, AlignMode mode, double value, const EditArea& area) {
    const QList<BoxRecord> records = AlignedAll(document, {{mode, value}}, area);
    document.ChangeRecords(records, EditStep::kAlign);
    return !records.isEmpty();
}

bool SameSize(FormatDocument& document, std::optional<double> height, std::optional<double> width,
              const EditArea& area) {
    QList<std::pair<AlignMode, double>> modes;
    if (height) modes.append({kSameHeight, *height});
    if (width) modes.append({kSameWidth, *width});
    const QList<BoxRecord> records = AlignedAll(document, modes, area);
    document.ChangeRecords(records, EditStep::kAlign);
    return !records.isEmpty();
}

bool DistributeBoxes(FormatDocument& document, bool horizontal, const EditArea& area) {
    struct Placed {
        const BoxRecord* record;
        double start, length;
    };
    QList<Placed> boxes;
    for (const BoxRecord& record : document.GetFormat().boxes) {
        if (!TakesPart(document, record, kAlignLeft)) continue;
        const BoxPlace place = PlaceOf(record, area);
        boxes.append({&record, horizontal ? place.x : place.y, horizontal ? place.w : place.h});
    }
    if (boxes.size() < 3) return false;
    std::stable_sort(boxes.begin(), boxes.end(), [](const Placed& a, const Placed& b) { return a.start < b.start; });
    double lengths = 0;
    for (const Placed& box : boxes) lengths += box.length;
    const double span = boxes.last().start + boxes.last().length - boxes.first().start;
    // Boxes longer together than the span overlap evenly instead (a negative gap).
    const double gap = (span - lengths) / double(boxes.size() - 1);
    QList<BoxRecord> records;
    double next = boxes.first().start;
    for (const Placed& box : boxes) {
        const double delta = next - box.start;
        records.append(MovedRecord(*box.record, horizontal ? QPointF(delta, 0) : QPointF(0, delta), area));
        next += box.length + gap;
    }
    document.ChangeRecords(records, EditStep::kDistribute);
    return true;
}
