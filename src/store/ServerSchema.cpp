#include "store/ServerSchema.h"

#include "store/Database.h"
#include "store/Schema.h"
#include "store/ServerSql.h"

#include <QStringList>

namespace {

// Texts sort and compare by their bytes, as in the file, whatever the server's locale.
#define VM_TEXT " TEXT COLLATE ucs_basic"
#define VM_REAL " DOUBLE PRECISION DEFAULT 0"
#define VM_WHOLE " BIGINT DEFAULT 0"

const QStringList kCreateTables = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS Fmt(ID BIGSERIAL PRIMARY KEY,"
                   " rowid BIGINT GENERATED ALWAYS AS (ID) STORED, Fmt" VM_TEXT ", LBL" VM_TEXT ","
                   " Clas" VM_WHOLE ", X" VM_REAL ", Y" VM_REAL ", W" VM_REAL ", H" VM_REAL ","
                   " S" VM_REAL ", L" VM_REAL ", Color" VM_WHOLE ", Mem" VM_TEXT ", fName" VM_TEXT ","
                   " fSize" VM_REAL ", fBold" VM_WHOLE ", fItalic" VM_WHOLE ", fUnderline" VM_WHOLE ","
                   " fStrikethru" VM_WHOLE ", Dir" VM_WHOLE ", Cash" VM_REAL ", RCtl" VM_REAL ","
                   " SumID" VM_REAL ", SumID1" VM_REAL ", RCtl1" VM_WHOLE ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 历史(rowid BIGSERIAL PRIMARY KEY, ID BIGINT,"
                   " Fmt" VM_TEXT ", CID BIGINT, Con" VM_TEXT ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 默认(rowid BIGSERIAL PRIMARY KEY, Fmt" VM_TEXT ","
                   " ID BIGINT, Con" VM_TEXT ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 参数(rowid BIGSERIAL PRIMARY KEY, Var" VM_TEXT ","
                   " Con" VM_TEXT ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 映射(rowid BIGSERIAL PRIMARY KEY, ID BIGINT,"
                   " Fmt" VM_TEXT ", Map" VM_TEXT ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 网站格式(rowid BIGSERIAL PRIMARY KEY, ID BIGINT,"
                   " Clas" VM_TEXT ", Name" VM_TEXT ", Dat" VM_TEXT ", fPath" VM_TEXT ","
                   " pPath" VM_TEXT ")"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 底图(Fmt" VM_TEXT " PRIMARY KEY, Kind" VM_TEXT ","
                   " Pic BYTEA)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 版本(Version BIGINT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS 格式版本(Fmt" VM_TEXT " PRIMARY KEY, Version" VM_WHOLE ")"),
    // Corrections of a fraction of a percent need every digit: a profile's numbers are
    // doubles, also in a table an earlier version made on first use with single ones.
    QStringLiteral("CREATE TABLE IF NOT EXISTS PrinterProfile(Seat" VM_TEXT ", Queue" VM_TEXT ", Fmt" VM_TEXT ","
                   " OffsetX" VM_REAL ", OffsetY" VM_REAL ", ScaleX DOUBLE PRECISION DEFAULT 1,"
                   " ScaleY DOUBLE PRECISION DEFAULT 1, Feed" VM_REAL ", Continuous" VM_WHOLE ")"),
    QStringLiteral("ALTER TABLE PrinterProfile ALTER COLUMN OffsetX TYPE DOUBLE PRECISION,"
                   " ALTER COLUMN OffsetY TYPE DOUBLE PRECISION, ALTER COLUMN ScaleX TYPE DOUBLE PRECISION,"
                   " ALTER COLUMN ScaleY TYPE DOUBLE PRECISION, ALTER COLUMN Feed TYPE DOUBLE PRECISION"),
};

// Every change of a format (its rows in Fmt; the last-use row is no one else's
// business) or of the bills is announced to the other seats when it commits; the
// server sends the same word once per transaction.
const QStringList kChangeNotices = {
    QStringLiteral("CREATE OR REPLACE FUNCTION vellumark_changed() RETURNS trigger LANGUAGE plpgsql AS $$"
                   " BEGIN"
                   " IF TG_TABLE_NAME = 'fmt' THEN"
                   "  IF COALESCE(NEW.Fmt, OLD.Fmt) = '' THEN RETURN NULL; END IF;"
                   " END IF;"
                   " PERFORM pg_notify('vellumark:' || current_schema(), TG_TABLE_NAME);"
                   " RETURN NULL;"
                   " END $$"),
    QStringLiteral("DROP TRIGGER IF EXISTS fmt_changed ON Fmt"),
    QStringLiteral("CREATE TRIGGER fmt_changed AFTER INSERT OR UPDATE OR DELETE ON Fmt"
                   " FOR EACH ROW EXECUTE FUNCTION vellumark_changed()"),
    QStringLiteral("DROP TRIGGER IF EXISTS bills_changed ON 历史"),
    QStringLiteral("CREATE TRIGGER bills_changed AFTER INSERT OR DELETE ON 历史"
                   " FOR EACH STATEMENT EXECUTE FUNCTION vellumark_changed()"),
};

#undef VM_TEXT
#undef VM_REAL
#undef VM_WHOLE

// Seats starting on an empty store at once build it one after the other.
constexpr qint64 kLayoutLock = 0x56656c6c756d6172; // "Vellumar"

// A role name cannot be bound; it is quoted as a name, never spliced as SQL.
QString QuotedRole(const QString& role) {
    QString quoted = role;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool CreateRoleIfMissing(Database& db, const QString& role, bool login) {
    const QueryResult found =
        db.Query(QStringLiteral("SELECT 1 FROM pg_catalog.pg_roles WHERE rolname=?"), {role});
    if (found.failed) return false;
    if (!found.Empty()) return true;
    return db.Exec(QStringLiteral("CREATE ROLE %1 %2").arg(QuotedRole(role), login ? QStringLiteral("LOGIN")
                                                                           : QStringLiteral("NOLOGIN")));
}

// What each role may do. Clerks read everything, add bills, keep their defaults and the
// last-use row (Fmt=''), which a row policy lets them change and nothing else of Fmt.
const QStringList kGrants = {
    QStringLiteral("GRANT ALL ON ALL TABLES IN SCHEMA %1 TO vellumark_designer"),
    QStringLiteral("GRANT ALL ON ALL SEQUENCES IN SCHEMA %1 TO vellumark_designer"),
    QStringLiteral("GRANT USAGE ON SCHEMA %1 TO vellumark_designer, vellumark_clerk"),
    QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA %1 TO vellumark_clerk"),
    QStringLiteral("GRANT INSERT ON 历史 TO vellumark_clerk"),
    QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON 默认 TO vellumark_clerk"),
    // Calibrating the printer a clerk prints on is part of printing.
    QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON PrinterProfile TO vellumark_clerk"),
    QStringLiteral("GRANT UPDATE (LBL, fName) ON Fmt TO vellumark_clerk"),
    QStringLiteral("GRANT USAGE ON ALL SEQUENCES IN SCHEMA %1 TO vellumark_clerk"),
    QStringLiteral("ALTER TABLE Fmt ENABLE ROW LEVEL SECURITY"),
    QStringLiteral("DROP POLICY IF EXISTS designer_all ON Fmt"),
    QStringLiteral("CREATE POLICY designer_all ON Fmt TO vellumark_designer USING (1=1) WITH CHECK (1=1)"),
    QStringLiteral("DROP POLICY IF EXISTS clerk_read ON Fmt"),
    QStringLiteral("CREATE POLICY clerk_read ON Fmt FOR SELECT TO vellumark_clerk USING (1=1)"),
    QStringLiteral("DROP POLICY IF EXISTS clerk_last_use ON Fmt"),
    QStringLiteral("CREATE POLICY clerk_last_use ON Fmt FOR UPDATE TO vellumark_clerk"
                   " USING (Fmt='') WITH CHECK (Fmt='')"),
};

bool GroupRolesExist(Database& db) {
    return !db.Query(QStringLiteral("SELECT 1 FROM pg_catalog.pg_roles WHERE rolname=?"), {kClerkRole}).Empty();
}

// Grants on every table of the store's schema, tables added by an upgrade included.
bool ApplyGrants(Database& db) {
    const QueryResult schema = db.Query(QStringLiteral("SELECT current_schema()"));
    if (schema.Empty()) return false;
    const QString schemaName = QuotedRole(schema.rows.first().value(0).toString());
    for (const QString& grant : kGrants)
        if (!db.Exec(grant.contains(QLatin1String("%1")) ? grant.arg(schemaName) : grant)) return false;
    return true;
}

} // namespace

bool UpgradeServerSchema(Database& db) {
    if (db.SchemaVersion() == kServerSchemaVersion) return true;
    Database::Transaction transaction(db);
    if (!transaction.Active() || !db.Exec(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {kLayoutLock}))
        return false;
    const int version = db.SchemaVersion();
    if (version < 0) return false;
    // A newer program's store is left as it is.
    if (version >= kServerSchemaVersion) return transaction.Commit();
    // A store set up with roles gives them the tables the upgrade added.
    return RunAll(db, kCreateTables) && RunAll(db, kCreateIndexes) && RunAll(db, kChangeNotices)
           && EnsureLastUseRow(db)
           && (version == 0 || !GroupRolesExist(db) || ApplyGrants(db))
           && db.SetSchemaVersion(kServerSchemaVersion) && transaction.Commit();
}

bool InitServerStore(Database& db) {
    if (!UpgradeServerSchema(db)) return false;
    Database::Transaction transaction(db);
    return CreateRoleIfMissing(db, kDesignerRole, false) && CreateRoleIfMissing(db, kClerkRole, false)
           && ApplyGrants(db) && transaction.Commit();
}

bool GrantServerRole(Database& db, const QString& user, const QString& role) {
    const QString group = role == QLatin1String("designer") ? kDesignerRole
                          : role == QLatin1String("clerk")  ? kClerkRole
                                                            : QString();
    // Quoted names reach the server folded to lower case (ServerSql.h), as typed names do.
    const QString login = ServerName(user);
    if (group.isEmpty() || login.isEmpty()) return false;
    const QString other = group == kDesignerRole ? kClerkRole : kDesignerRole;
    Database::Transaction transaction(db);
    return CreateRoleIfMissing(db, login, true)
           && db.Exec(QStringLiteral("GRANT %1 TO %2").arg(group, QuotedRole(login)))
           && db.Exec(QStringLiteral("REVOKE %1 FROM %2").arg(other, QuotedRole(login)))
           && transaction.Commit();
}
