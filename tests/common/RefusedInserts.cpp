#include "common/RefusedInserts.h"

#include "store/Database.h"

namespace {
QString When(const QString& condition) {
    return condition.isEmpty() ? QString() : QStringLiteral(" WHEN (%1)").arg(condition);
}
} // namespace

bool RefuseInserts(Database& db, const QString& table, const QString& condition) {
    if (!db.IsServer())
        return db.Exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.%1%2 "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                           .arg(table, When(condition)));
    return db.Exec(QStringLiteral("CREATE OR REPLACE FUNCTION refuse_insert() RETURNS trigger LANGUAGE plpgsql "
                                  "AS 'BEGIN RAISE EXCEPTION ''refused''; END'"))
           && db.Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 FOR EACH ROW%2 "
                                     "EXECUTE FUNCTION refuse_insert()")
                          .arg(table, When(condition)));
}

bool AllowInserts(Database& db, const QString& table) {
    return db.Exec(db.IsServer() ? QStringLiteral("DROP TRIGGER refuse ON %1").arg(table)
                                 : QStringLiteral("DROP TRIGGER refuse"));
}
