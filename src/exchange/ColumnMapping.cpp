#include "exchange/ColumnMapping.h"

#include "store/Database.h"
#include "store/Format.h"

#include <array>

namespace {
constexpr std::array kMappedKinds = {BoxKind::Text, BoxKind::Check, BoxKind::Picture};
constexpr int kNumbersPerKind = 1000;
} // namespace

QList<MappedBox> MappedBoxes(const Format& format, const QHash<qint64, QString>& expressions) {
    QList<MappedBox> boxes;
    for (const BoxKind kind : kMappedKinds) {
        int n = 0;
        for (const BoxRecord& record : format.boxes) {
            if (record.kind != kind) continue;
            MappedBox box;
            box.box = {int(kind) * kNumbersPerKind + ++n, record.id, record.label};
            box.expression = expressions.value(record.id);
            boxes << box;
        }
    }
    return boxes;
}

QHash<qint64, QString> LoadMapping(Database& db, const QString& formatName) {
    QHash<qint64, QString> expressions;
    const QueryResult result =
        db.Query(QStringLiteral("SELECT ID, Map FROM 映射 WHERE Fmt=? ORDER BY ID"), {formatName});
    for (const QVariantList& row : result.rows)
        expressions.insert(row.value(0).toLongLong(), row.value(1).toString());
    return expressions;
}

bool SaveMapping(Database& db, const QString& formatName, const QList<MappedBox>& boxes) {
    Database::Transaction transaction(db);
    bool ok = transaction.Active() &&
              db.Exec(QStringLiteral("DELETE FROM 映射 WHERE Fmt=?"), {formatName});
    for (const MappedBox& box : boxes) {
        if (!ok) break;
        if (box.expression.isEmpty() || IsTemporaryId(box.box.boxId)) continue;
        ok = db.Exec(QStringLiteral("INSERT INTO 映射(ID, Fmt, Map) VALUES(?, ?, ?)"),
                     {box.box.boxId, formatName, box.expression});
    }
    return ok && transaction.Commit();
}

QList<BillColumn> BillColumns(const QList<MappedBox>& boxes) {
    QList<BillColumn> columns;
    for (const MappedBox& box : boxes) columns << box.box;
    return columns;
}
