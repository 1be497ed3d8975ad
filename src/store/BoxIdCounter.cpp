#include "store/BoxIdCounter.h"

#include "store/Database.h"

namespace {

// The file counts in sqlite_sequence (AUTOINCREMENT); the server in Fmt.ID's sequence.
const QString kServerSequence = QStringLiteral("pg_get_serial_sequence('fmt', 'id')");

qint64 FirstWhole(const QueryResult& result) { return result.rows.value(0).value(0).toLongLong(); }

// The counter alone: rows inserted with their own IDs may have passed it (on a server).
qint64 Counted(Database& db) {
    return db.IsServer()
               ? FirstWhole(db.Query(QStringLiteral("SELECT pg_sequence_last_value(%1::regclass)").arg(kServerSequence)))
               : FirstWhole(db.Query(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name='Fmt'")));
}

qint64 HighestId(Database& db) { return FirstWhole(db.Query(QStringLiteral("SELECT max(ID) FROM Fmt"))); }

} // namespace

qint64 ReadBoxIdCounter(Database& db) { return std::max(HighestId(db), Counted(db)); }

bool RaiseBoxIdCounter(Database& db, qint64 value) {
    value = std::max(value, HighestId(db));
    if (value <= Counted(db)) return true;
    if (db.IsServer())
        return !db.Query(QStringLiteral("SELECT setval(%1, ?)").arg(kServerSequence), {value}).failed;
    if (!db.Exec(QStringLiteral("UPDATE sqlite_sequence SET seq=? WHERE name='Fmt'"), {value})) return false;
    return db.Changes() > 0
           || db.Exec(QStringLiteral("INSERT INTO sqlite_sequence(name, seq) VALUES('Fmt', ?)"), {value});
}
