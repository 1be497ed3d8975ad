#pragma once
// The statements on table 历史, in one place so that a test can check that each one
// finds its rows through an index rather than reading the table.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace HistorySql {
inline const QString kHighestNumber = QStringLiteral("SELECT max(ID) FROM 历史 WHERE Fmt=?");
inline const QString kInsert =
    QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(?, ?, ?, ?)");
// kInsert for `rows` rows in one statement: one trip to a server for a whole bill.
// At most kMaxInsertRows, so the values stay within the file's limit of 999.
inline constexpr int kMaxInsertRows = 200;
inline QString InsertRows(int rows) {
    return kInsert + QStringLiteral(",(?, ?, ?, ?)").repeated(rows - 1);
}
inline const QString kDeleteBill = QStringLiteral("DELETE FROM 历史 WHERE Fmt=? AND ID=?");
// A job's bills moved to the format's new name: new name, old name, the job's first number.
inline const QString kRenameJobBills = QStringLiteral("UPDATE 历史 SET Fmt=? WHERE Fmt=? AND ID>=?");
// Newest bill in which the box held the value: format, box, value.
inline const QString kLinkedByBox = QStringLiteral(
    "SELECT ID FROM 历史 WHERE Fmt=? AND CID=? AND Con=? ORDER BY ID DESC LIMIT 1");
// The format's boxes of a label stem, whose newest bills are then each found through
// kLinkedByBox: format, escaped label pattern.
inline const QString kStemBoxes =
    QStringLiteral("SELECT ID, LBL FROM Fmt WHERE Fmt=? AND LBL LIKE ? ESCAPE '\\'");
// A stored bill's values with their labels: format, bill number. Not sorted by SQL:
// ordering by box would lead the planner to walk the format's whole (Fmt, CID) index.
inline const QString kLinkedBill = QStringLiteral(
    "SELECT h.CID, f.LBL, h.Con FROM 历史 h CROSS JOIN Fmt f "
    "WHERE h.Fmt=? AND h.ID=? AND f.ID=h.CID");
inline const QString kStoredBill = QStringLiteral("SELECT CID, Con FROM 历史 WHERE Fmt=? AND ID=?");
// A box's newest value: format, box.
inline const QString kNewestValue = QStringLiteral(
    "SELECT Con FROM 历史 WHERE Fmt=? AND CID=? ORDER BY ID DESC LIMIT 1");
// A box's values beginning with typed text: format, box, low bound, high bound,
// escaped pattern, limit.
inline const QString kValuesStartingWith = QStringLiteral(
    "SELECT Con FROM 历史 WHERE Fmt=? AND CID=? AND Con>=? AND Con<? "
    "AND Con LIKE ? ESCAPE '\\' GROUP BY Con ORDER BY Con LIMIT ?");
// A format's stored values, newest bill first: format [, format, bill count] [, row count].
inline const QString kRows = QStringLiteral("SELECT ID, CID, Con FROM 历史 WHERE Fmt=?");
inline const QString kNewestBills = QStringLiteral(
    " AND ID>=(SELECT min(ID) FROM (SELECT DISTINCT ID FROM 历史 WHERE Fmt=? "
    "ORDER BY ID DESC LIMIT ?) newest)");
inline const QString kNewestFirst = QStringLiteral(" ORDER BY ID DESC");
inline const QString kRowLimit = QStringLiteral(" LIMIT ?");
} // namespace HistorySql
#pragma GCC visibility pop
