#include "aids/FillAsTyped.h"

#include "aids/AidContext.h"
#include "aids/AutoFill.h"
#include "aids/EntryAids.h"
#include "document/FormatDocument.h"
#include "records/BoxValues.h"
#include "store/Bill.h"

void StartBillAsTyped(FormatDocument& document, const AidContext& context, bool fillDates) {
    const bool keepPictures = document.GetFormat().page.options.keepPictures;
    QList<qint64> boxes;
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (HoldsBillValue(box) && !(keepPictures && box.kind == BoxKind::Picture)) boxes.append(box.id);
    for (qint64 id : boxes) document.SetContent(id, QString());
    RefreshAutoFill(document, context);
    if (fillDates) FillDates(document, context);
}

QStringList FillAsTyped(FormatDocument& document, const QList<LabelValue>& values,
                        const AidContext& context) {
    QStringList missing;
    for (const LabelValue& entry : values) {
        QList<qint64> boxes;
        for (const BoxRecord& box : document.GetFormat().boxes)
            if (box.label == entry.label && HoldsBillValue(box)) boxes.append(box.id);
        if (boxes.isEmpty()) missing.append(entry.label);
        for (qint64 id : boxes) {
            Bill scratch;
            WriteBoxValue(*document.Record(id), scratch, entry.value, context.filling);
            document.SetContent(id, scratch.Value(id));
            ApplyAidsAfterEdit(document, id, context);
        }
    }
    return missing;
}
