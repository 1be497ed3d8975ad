#pragma once
// History records (table 历史): every printed or added bill, one row per box that
// holds a value, grouped by a bill number counted per format.
#include <QList>
#include <QString>
#include <QtGlobal>

class Bill;
class Database;
struct Format;

// The number the next bill of the format gets: one above the highest stored, 1 for
// the first. So the newest number freed by a deletion is used again, older gaps not.
// 0 when the table cannot be read.
qint64 NextBillNumber(Database& db, const QString& formatName);

struct SavedBill {
    enum class Outcome { Added, Empty, Failed };
    Outcome outcome = Outcome::Failed;
    qint64 number = 0; // the new bill's number when added
};

// Stores the bill's values as a new bill of the format, all rows in one transaction:
// a failure leaves no part of it. A bill without any value adds nothing.
SavedBill SaveHistory(Database& db, const Format& format, const Bill& bill);

// Removes the stored bills of the format with these numbers, in one transaction.
bool DeleteBills(Database& db, const QString& formatName, const QList<qint64>& numbers);
