#include "records/HistoryQueries.h"

#include "records/BoxValues.h"
#include "records/HistorySql.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"

#include <algorithm>

namespace {

QString AsciiCase(const QString& text, bool upper) {
    QString folded = text;
    for (QChar& c : folded) {
        if (upper && c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
        if (!upper && c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    }
    return folded;
}

} // namespace

LinkedBill FindLinkedBill(Database& db, const QString& formatName, qint64 boxId,
                          const QString& label, const QString& value) {
    const LabelGroup group = SplitLabelGroup(label);
    if (group.group == 0) {
        const QueryResult result =
            db.Query(HistorySql::kLinkedByBox, {formatName, boxId, value});
        return {result.rows.value(0).value(0).toLongLong(), 0};
    }
    // A stem has a handful of boxes: the newest bill over all of them is the newest of
    // each box's own newest, and each of those is one step down its index.
    const QueryResult boxes = db.Query(
        HistorySql::kStemBoxes,
        {formatName, EscapeLike(group.stem + QLatin1Char('_')) + QLatin1Char('%')});
    LinkedBill newest;
    for (const QVariantList& box : boxes.rows) {
        const QueryResult found =
            db.Query(HistorySql::kLinkedByBox, {formatName, box.value(0), value});
        if (found.Empty()) continue;
        const qint64 number = found.rows.first().value(0).toLongLong();
        if (number > newest.number)
            newest = {number, SplitLabelGroup(box.value(1).toString()).group};
    }
    return newest;
}

QList<BillValue> LoadLinkedBill(Database& db, const QString& formatName, qint64 billNumber) {
    const QueryResult result = db.Query(HistorySql::kLinkedBill, {formatName, billNumber});
    QList<BillValue> values;
    for (const QVariantList& row : result.rows)
        values.append({row.value(0).toLongLong(), row.value(1).toString(), row.value(2).toString()});
    std::sort(values.begin(), values.end(),
              [](const BillValue& a, const BillValue& b) { return a.boxId < b.boxId; });
    return values;
}

bool LoadStoredBill(Database& db, const Format& format, qint64 billNumber, Bill& bill,
                    const ValueFilling& filling) {
    const QueryResult result =
        db.Query(HistorySql::kStoredBill, {format.name, billNumber});
    if (result.failed) return false;
    for (const QVariantList& row : result.rows)
        if (const BoxRecord* box = format.FindBox(row.value(0).toLongLong()))
            WriteBoxValue(*box, bill, row.value(1).toString(), filling);
    return true;
}

QString NewestValue(Database& db, const QString& formatName, qint64 boxId) {
    return db.Query(HistorySql::kNewestValue, {formatName, boxId}).rows.value(0).value(0).toString();
}

QStringList ValuesStartingWith(Database& db, const QString& formatName, qint64 boxId,
                               const QString& prefix, int limit) {
    // LIKE matches ASCII letters in either case. Every such match lies between the
    // prefix in capitals and the prefix in small letters followed by U+10FFFF (a
    // noncharacter, never typed), so that range lets the index find the candidates.
    const QString low = AsciiCase(prefix, true);
    const QString high = AsciiCase(prefix, false) + QString::fromUcs4(U"\U0010FFFF");
    const QueryResult result = db.Query(
        HistorySql::kValuesStartingWith,
        {formatName, boxId, low, high, EscapeLike(prefix) + QLatin1Char('%'), limit});
    QStringList values;
    for (const QVariantList& row : result.rows) values << row.value(0).toString();
    return values;
}
