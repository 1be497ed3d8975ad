#include "store/PaperPosition.h"

#include "store/Database.h"

#include <cmath>

namespace {

const QString kTable = QStringLiteral("PrinterPaper");
const QString kCreateTable =
    QStringLiteral("CREATE TABLE IF NOT EXISTS PrinterPaper(Seat TEXT, Queue TEXT, FormStart REAL DEFAULT 0)");

} // namespace

double LoadFormStart(Database& db, const QString& seat, const QString& queue) {
    if (!db.TableExists(kTable)) return 0;
    const QueryResult result = db.Query(
        QStringLiteral("SELECT FormStart FROM PrinterPaper WHERE Seat=? AND Queue=? LIMIT 1"), {seat, queue});
    if (result.Empty()) return 0;
    const double mm = result.rows.first().value(0).toDouble();
    // A value changed outside the program must not push the print off the form.
    return std::isfinite(mm) && mm >= 0 && mm < 100 ? mm : 0;
}

bool SaveFormStart(Database& db, const QString& seat, const QString& queue, double mm) {
    // Nothing kept is the same as aligned paper: a store that never printed on
    // continuous forms is not written to by a realignment.
    if (mm == 0 && !db.TableExists(kTable)) return true;
    Database::Transaction transaction(db);
    return db.Exec(kCreateTable)
           && db.Exec(QStringLiteral("DELETE FROM PrinterPaper WHERE Seat=? AND Queue=?"), {seat, queue})
           && db.Exec(QStringLiteral("INSERT INTO PrinterPaper(Seat, Queue, FormStart) VALUES(?, ?, ?)"),
                      {seat, queue, mm})
           && transaction.Commit();
}
