#include "print/RowBill.h"

#include "aids/AidContext.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

QList<BoxEntry> RowEntries(const QList<BillColumn>& columns, const QStringList& values) {
    QList<BoxEntry> entries;
    entries.reserve(columns.size());
    for (qsizetype column = 0; column < columns.size(); ++column)
        if (columns[column].mapped) entries.append({columns[column].boxId, values.value(column)});
    return entries;
}

RowLoader::RowLoader(const Format& format, const QList<BillColumn>& columns, RowFilling filling)
    : format_(format), columns_(columns), filling_(std::move(filling)) {}

Bill RowLoader::LoadRowAsTyped(const QStringList& values, const Bill& base) const {
    FormatDocument document;
    document.Open(format_, base);
    const AidContext context{filling_.db, filling_.values, {}, nullptr};
    EnterValues(document, RowEntries(columns_, values), EntryRoute::DataRow, context);
    return document.GetBill();
}
