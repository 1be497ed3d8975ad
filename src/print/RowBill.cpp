#include "print/RowBill.h"

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

RowFilledHook EntryAidsAfterRow(Database& db) {
    Q_UNUSED(db);
    return {}; // no aid acts on a whole row yet: the converted values stand
}
