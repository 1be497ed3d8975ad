#include "document/BoxEditing.h"

#include "core/Progress.h"
#include "document/EditSteps.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <algorithm>
#include <cmath>

namespace {
// The records with these IDs, each changed by `change`, in the order of `ids`.
template <typename Change>
QList<BoxRecord> Changed(const FormatDocument& document, const QList<qint64>& ids, Change change) {
    QList<BoxRecord> records;
    records.reserve(ids.size());
    for (qint64 id : ids)
        if (const BoxRecord* record = document.Record(id)) records.append(change(*record));
    return records;
}

// The same for every record, in record order, keeping only those that changed.
template <typename Change>
QList<BoxRecord> ChangedAll(const FormatDocument& document, Change change) {
    QList<BoxRecord> records;
    for (const BoxRecord& record : document.GetFormat().boxes) {
        BoxRecord changed = change(record);
        if (!(changed == record)) records.append(std::move(changed));
    }
    return records;
}
} // namespace

EditArea PageArea(const FormatDocument& document) {
    return {document.GetFormat().page.width, document.GetFormat().page.height, std::nullopt};
}

BoxPlace PlaceOf(const BoxRecord& record, const EditArea& area) {
    if (record.kind == BoxKind::Check && area.checkSide)
        return {record.x, record.y, *area.checkSide, *area.checkSide};
    return {record.x, record.y, record.w, record.h};
}

double RoundMm(double mm) { return std::nearbyint(mm * 1000.0) / 1000.0; }

namespace {
// A measure moved by `delta`; an axis that does not move keeps its exact value.
double Shifted(double mm, double delta) { return delta == 0 ? mm : RoundMm(mm + delta); }
} // namespace

BoxPlace ClampedMove(const BoxPlace& box, QPointF delta, const EditArea& area) {
    double left = std::max(0.0, Shifted(box.x, delta.x()));
    double top = std::max(0.0, Shifted(box.y, delta.y()));
    if (left + box.w > area.width) left = RoundMm(area.width - box.w);
    if (top + box.h > area.height) top = RoundMm(area.height - box.h);
    return {left, top, box.w, box.h};
}

BoxPlace ClampedResize(const BoxPlace& box, QPointF delta, const EditArea& area) {
    double width = std::max(0.0, Shifted(box.w, delta.x()));
    double height = std::max(0.0, Shifted(box.h, delta.y()));
    if (box.x + width > area.width) width = RoundMm(area.width - box.x);
    if (box.y + height > area.height) height = RoundMm(area.height - box.y);
    // A box already lying past the edge keeps no negative size.
    return {box.x, box.y, std::max(0.0, width), std::max(0.0, height)};
}

// Only the measures an edit moves are written: a move along one axis keeps the other
// exactly as it was.
BoxRecord MovedRecord(BoxRecord record, QPointF delta, const EditArea& area, LineEnd end) {
    if (record.kind == BoxKind::Line) {
        if (end != LineEnd::Second) {
            record.x = Shifted(record.x, delta.x());
            record.y = Shifted(record.y, delta.y());
        }
        if (end != LineEnd::First) {
            record.w = Shifted(record.w, delta.x());
            record.h = Shifted(record.h, delta.y());
        }
        return record;
    }
    const BoxPlace place = PlaceOf(record, area);
    const BoxPlace moved = ClampedMove(place, delta, area);
    if (moved.x != place.x) record.x = moved.x;
    if (moved.y != place.y) record.y = moved.y;
    return record;
}

BoxRecord ResizedRecord(BoxRecord record, QPointF delta, const EditArea& area) {
    switch (record.kind) {
    case BoxKind::Check: return record;
    case BoxKind::Line: return MovedRecord(std::move(record), delta, area, LineEnd::Second);
    case BoxKind::Text:
    case BoxKind::Picture:
    case BoxKind::Label: break;
    }
    const BoxPlace place = PlaceOf(record, area);
    const BoxPlace grown = ClampedResize(place, delta, area);
    if (grown.w != place.w) record.w = grown.w;
    if (grown.h != place.h) record.h = grown.h;
    return record;
}

void MoveBoxes(FormatDocument& document, const QList<qint64>& ids, QPointF delta, const EditArea& area,
               EditRun run, LineGrip grip) {
    document.ChangeRecords(Changed(document, ids,
                                   [&](const BoxRecord& record) {
                                       const LineEnd end = record.id == grip.id ? grip.end : LineEnd::Both;
                                       return MovedRecord(record, delta, area, end);
                                   }),
                           EditStep::kMove, run);
}

void ResizeBoxes(FormatDocument& document, const QList<qint64>& ids, QPointF delta, const EditArea& area,
                 EditRun run) {
    document.ChangeRecords(
        Changed(document, ids, [&](const BoxRecord& record) { return ResizedRecord(record, delta, area); }),
        EditStep::kResize, run);
}

bool NudgeBoxes(FormatDocument& document, QPointF step, bool resize, const EditArea& area) {
    const QList<qint64> ids = document.IdsToActOn();
    if (ids.isEmpty()) return false;
    if (resize) ResizeBoxes(document, ids, step, area, EditRun::Resize);
    else MoveBoxes(document, ids, step, area, EditRun::Move);
    return true;
}

bool StepFontSize(FormatDocument& document, double points) {
    if (document.Selection().isEmpty()) return false;
    QList<BoxRecord> records;
    for (const BoxRecord& record : document.GetFormat().boxes) {
        if (!document.IsSelected(record.id)) continue;
        records.append(record);
        records.last().fontSize += points;
    }
    document.ChangeRecords(records, EditStep::kFont, EditRun::FontSize);
    return true;
}

int PullOntoPage(FormatDocument& document, const EditArea& area, Progress* progress) {
    SilentProgress silent;
    ProgressScope scope(progress ? *progress : silent, EditStep::kCheckingBoxes,
                        int(document.GetFormat().boxes.size()));
    const QList<BoxRecord> records = ChangedAll(document, [&](BoxRecord record) {
        scope.Step();
        if (record.kind != BoxKind::Line) return MovedRecord(std::move(record), {}, area);
        record.x = std::clamp(record.x, 0.0, area.width);
        record.y = std::clamp(record.y, 0.0, area.height);
        record.w = std::clamp(record.w, 0.0, area.width);
        record.h = std::clamp(record.h, 0.0, area.height);
        return record;
    });
    document.ChangeRecords(records, EditStep::kPullOnto);
    return int(records.size());
}
