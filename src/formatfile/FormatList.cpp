#include "formatfile/FormatList.h"

#include "store/Database.h"
#include "store/Format.h"

QList<FormatListRow> ReadFormatList(Database& db) {
    // An older save may have left a second page-parameter row: the first one counts.
    const QueryResult result = db.Query(
        QStringLiteral("SELECT ID, Fmt, W, H FROM Fmt WHERE ID IN (SELECT MIN(ID) FROM Fmt "
                       "WHERE LBL=? AND Fmt<>'' GROUP BY Fmt) ORDER BY Fmt"),
        {kPageParamsLabel});
    QList<FormatListRow> rows;
    rows.reserve(result.rows.size());
    for (const QVariantList& row : result.rows)
        rows.append({row[0].toLongLong(), row[1].toString(), row[2].toDouble(), row[3].toDouble()});
    return rows;
}
