#include "print/RowBill.h"

#include "aids/AidContext.h"
#include "aids/EntryAids.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

RowLoader::RowLoader(const Format& format, const QList<BillColumn>& columns, RowFilling filling)
    : format_(format), filling_(std::move(filling)) {
    QHash<qint64, const BoxRecord*> byId;
    for (const BoxRecord& box : format.boxes) byId.insert(box.id, &box);
    for (int column = 0; column < columns.size(); ++column) {
        const BoxRecord* box = byId.value(columns[column].boxId);
        if (box && HoldsBillValue(*box)) targets_.append({column, box});
    }
}

Bill RowLoader::LoadRowAsTyped(const QStringList& values, const Bill& base) const {
    Bill bill = base;
    for (const auto& [column, box] : targets_)
        WriteBoxValue(*box, bill, values.value(column), filling_.values);
    if (filling_.afterRowFilled) filling_.afterRowFilled(format_, bill);
    return bill;
}

RowFilledHook EntryAidsAfterRow(Database& db, const ValueFilling& filling) {
    return [&db, filling](const Format& format, Bill& bill) {
        // Each filled box counts as left after typing, in box order, as a user would
        // go through the bill: rings, linked bills and sums follow.
        FormatDocument document;
        document.Open(format, bill);
        const AidContext context{&db, filling, {}, nullptr};
        for (const BoxRecord& box : format.boxes)
            if (HoldsBillValue(box) && !bill.Value(box.id).isEmpty())
                ApplyAidsAfterEdit(document, box.id, context);
        bill = document.GetBill();
    };
}
