#include "records/BoxValues.h"

#include "content/Conversions.h"
#include "store/Bill.h"
#include "store/BoxKinds.h"
#include "store/Format.h"

#include <algorithm>

QList<const BoxRecord*> ValueBoxes(const Format& format) {
    QList<const BoxRecord*> boxes;
    for (const BoxRecord& box : format.boxes)
        if (HoldsBillValue(box) && !IsTemporaryId(box.id)) boxes << &box;
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](const BoxRecord* a, const BoxRecord* b) { return a->kind < b->kind; });
    return boxes;
}

bool HoldsBillValue(const BoxRecord& box) {
    return HoldsContent(box.kind) && !box.HoldsFixedText();
}

QString StoredValue(const BoxRecord& box, const Bill& bill) {
    const QString value = bill.Value(box.id);
    switch (box.kind) {
    case BoxKind::Text:
    case BoxKind::Picture:
        return value;
    case BoxKind::Check: {
        bool numeric = false;
        int state = value.trimmed().toInt(&numeric);
        if (!numeric) state = value.trimmed().isEmpty() ? 0 : 1;
        return state == 0 ? QString() : QString::number(state);
    }
    default:
        return {};
    }
}

std::optional<QString> FilledContent(const BoxRecord& box, const QString& value,
                                     const ValueFilling& filling) {
    switch (box.kind) {
    case BoxKind::Text:
        return FillBoxText(value, filling.lineBreakMarker, box.cash, filling.settings);
    case BoxKind::Check:
        // A grayed state ("2") comes back as plainly checked.
        return value.trimmed().isEmpty() ? QString() : QStringLiteral("1");
    case BoxKind::Picture:
        return value;
    default:
        return std::nullopt;
    }
}

bool WriteBoxValue(const BoxRecord& box, Bill& bill, const QString& value,
                   const ValueFilling& filling) {
    const std::optional<QString> content = FilledContent(box, value, filling);
    if (content) bill.SetValue(box.id, *content);
    return content.has_value();
}
