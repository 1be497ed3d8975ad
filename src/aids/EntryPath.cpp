#include "aids/EntryPath.h"

#include "aids/AidContext.h"
#include "aids/AutoFill.h"
#include "core/Progress.h"
#include "document/FormatDocument.h"
#include "records/BoxValues.h"
#include "records/Defaults.h"
#include "store/Bill.h"
#include "store/BoxKinds.h"

namespace {

// Whether a value of this route may go into the box at all.
bool Reaches(const BoxRecord& box, EntryRoute route) {
    return HoldsContent(box.kind) && (TraitsOf(route).reachesFixedText || HoldsBillValue(box));
}

// Sets the box's content when it differs; true when it did.
bool Put(FormatDocument& document, qint64 boxId, const QString& content) {
    if (document.Content(boxId) == content) return false;
    document.SetContent(boxId, content);
    return true;
}

} // namespace

std::optional<QString> EnteredContent(const BoxRecord& box, const QString& value, EntryRoute route,
                                      const ValueFilling& filling) {
    if (TraitsOf(route).lineBreakMarker) return FilledContent(box, value, filling);
    return FilledContent(box, value, {QString(), filling.settings});
}

namespace {

// Puts the value into the box without the aids; true when the box changed.
bool PutValue(FormatDocument& document, qint64 boxId, const QString& value, EntryRoute route,
              const ValueFilling& filling) {
    const BoxRecord* box = document.Record(boxId);
    if (!box || !Reaches(*box, route)) return false;
    const std::optional<QString> content = EnteredContent(*box, value, route, filling);
    return content && Put(document, boxId, *content);
}

} // namespace

bool EnterValue(FormatDocument& document, qint64 boxId, const QString& value, EntryRoute route,
                const AidContext& context) {
    if (!PutValue(document, boxId, value, route, context.filling)) return false;
    RunAids(document, boxId, TraitsOf(route).aids, context);
    return true;
}

void LeaveTypedBox(FormatDocument& document, qint64 boxId, const std::optional<QString>& heldAtFocus,
                   const AidContext& context) {
    const BoxRecord* box = document.Record(boxId);
    if (!box || !HoldsContent(box->kind)) return;
    QString content = document.Content(boxId);
    // A check box or picture box holds what its widget set; only text is converted.
    if (box->kind == BoxKind::Text) {
        content = EnteredContent(*box, content, EntryRoute::Typed, context.filling).value_or(content);
        Put(document, boxId, content);
    }
    if (!heldAtFocus || *heldAtFocus != content)
        RunAids(document, boxId, TraitsOf(EntryRoute::Typed).aids, context);
}

void EnterValues(FormatDocument& document, const QList<BoxEntry>& values, EntryRoute route,
                 const AidContext& context) {
    QList<qint64> changed;
    for (const BoxEntry& entry : values)
        if (PutValue(document, entry.boxId, entry.value, route, context.filling)) changed.append(entry.boxId);
    for (qint64 id : changed) RunAids(document, id, TraitsOf(route).aids, context);
}

QStringList EnterByLabel(FormatDocument& document, const QList<LabelValue>& values, EntryRoute route,
                         const AidContext& context) {
    QStringList missing;
    for (const LabelValue& entry : values) {
        QList<qint64> boxes;
        for (const BoxRecord& box : document.GetFormat().boxes)
            if (box.label == entry.label && Reaches(box, route)) boxes.append(box.id);
        if (boxes.isEmpty()) missing.append(entry.label);
        for (qint64 id : boxes) EnterValue(document, id, entry.value, route, context);
    }
    return missing;
}

void StartOpenedBill(FormatDocument& document, const AidContext& context, bool fillDates) {
    Bill stored;
    if (context.db) {
        SilentProgress progress;
        LoadDefaults(*context.db, document.GetFormat(), stored, context.filling, progress);
    }
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (HoldsBillValue(box)) document.SetContent(box.id, stored.Value(box.id));
    RefreshAutoFill(document, context);
    if (fillDates) FillDates(document, context);
}

Bill OpenedBill(const Format& format, const AidContext& context) {
    FormatDocument document;
    document.Open(format);
    StartOpenedBill(document, context, false);
    return document.GetBill();
}
