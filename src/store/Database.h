#pragma once
// The one connection to the store: the encrypted database file (SQLCipher through the
// sqlite3 C API) by default, or a shared PostgreSQL server (ServerEngine). It is opened
// once at start-up and kept, because key derivation is slow. Every statement binds its
// values as parameters; user text never becomes SQL. The store's SQL is written for the
// file; the server reads it through a small rewrite (ServerSql.h).
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class ServerEngine;

// The rows a query returned, with the column names in result order.
struct QueryResult {
    QStringList columns;
    QList<QVariantList> rows;
    // The statement failed: `rows` is empty because of an error, not because nothing matched.
    bool failed = false;

    bool Empty() const { return rows.isEmpty(); }
    // The value of a named column in a row; an invalid QVariant when absent.
    QVariant Value(qsizetype row, const QString& column) const;
};

// Why a statement failed, beyond SQLite's text: what the user is told.
// Refused: the server does not let this user do it; ServerAway: it cannot be reached.
enum class StoreFault { None, Busy, Damaged, DiskFull, ReadOnly, Other, Refused, ServerAway };

// How statements wait for a lock another process holds: up to `limitMs`, telling the
// watcher how long they have waited so far (from a short delay on), and 0 when the
// wait is over. The same for every connection of the process.
struct BusyWait {
    int limitMs = 60000;
    std::function<void(int waitedMs)> watcher;
};

class Database {
public:
    // Beside a file whose pages were found malformed: the next start checks it whole.
    static QString CheckMarkPath(const QString& path) { return path + QStringLiteral(".check"); }

    // Opens (creating when missing) the file with the store key (DatabaseKey.h) and
    // checks that it reads. A file keyed with the old passphrase is converted to the
    // store key when no other connection has it open.
    // Returns nullptr with `error` set to "无法建立数据库连接！" (and `fault` to why) when
    // the file cannot be opened: a wrong key or a damaged file is left as it is.
    static std::unique_ptr<Database> Open(const QString& path, QString* error = nullptr,
                                          StoreFault* fault = nullptr);

    // Connects to a server store (a libpq connection string or postgresql:// address).
    // nullptr with the server's reason in `error` when it cannot be reached.
    static std::unique_ptr<Database> OpenServer(const QString& location, QString* error = nullptr,
                                                StoreFault* fault = nullptr);

    static void SetBusyWait(BusyWait wait);
    static const BusyWait& CurrentBusyWait();
    // Told of a failure the user should hear about whatever the caller does with it:
    // the lock stayed busy past the wait, the disk is full, or the file is damaged
    // (once per connection).
    static void SetFaultWatcher(std::function<void(StoreFault, const QString& path)> watcher);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The file, or for a server its host, port and database (no password).
    QString Path() const { return path_; }
    bool IsServer() const { return server_ != nullptr; }
    // The server's name for this seat's user; empty for the file.
    QString ServerUser() const;

    // Whether the store can be used now: a server that answers (a lost connection is
    // opened again first). Always true for the file. False with LastFault() ServerAway;
    // the fault watcher is not told, the caller says it in its own words.
    bool Reachable();
    // The store as a failure message names it: the file, or the server with the
    // connection library's reason when it could not be reached.
    QString FaultWhere() const;

    // The layout version of the store; -1 when it cannot be read.
    int SchemaVersion();
    bool SetSchemaVersion(int version);
    // Inside a transaction: no other seat takes a bill number of this format until it
    // ends. The file's write lock already does that; the server locks the format's
    // numbering for the transaction.
    bool LockBillNumbers(const QString& formatName);
    // The same for saving the format: its version is read and raised by one seat at a time.
    bool LockFormatChanges(const QString& formatName);

    // Runs one statement; false (and LastError()) when it fails.
    bool Exec(const QString& sql, const QVariantList& params = {});
    // Runs a query; an empty result when it fails.
    QueryResult Query(const QString& sql, const QVariantList& params = {});
    // Runs a statement that tidies up after the work (releasing a lock): LastError()
    // and LastFault() stay those of the work, which the caller reports.
    bool ExecAfterwards(const QString& sql, const QVariantList& params = {});
    // Writes the changes of the open transaction to disk without committing them, so
    // that a full disk shows now rather than at the commit; false when it cannot.
    bool FlushToDisk();
    qint64 LastInsertId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int Changes() const;
    QString LastError() const { return lastError_; }
    StoreFault LastFault() const { return lastFault_; }
    // A statement met malformed pages: reads go on, every write is refused from now on,
    // so a damaged file is never made worse.
    bool Damaged() const { return damaged_; }
    // SQLite's whole-file check; false (and Damaged()) when it finds anything wrong.
    bool CheckIntegrity();
    // A statement run on Handle() outside this class (a cursor over many rows) failed
    // with SQLite's `code`: noted as this class's own failures are, so a damaged page
    // marks the store damaged there too.
    void NoteOutsideFailure(int code) { NoteFailure(code); }

    // Table and column checks (exact, case-sensitive names).
    bool TableExists(const QString& table);
    bool ColumnExists(const QString& table, const QString& column);
    // Adds the column when missing and sets it to 0 in every existing row.
    bool AddColumnIfMissing(const QString& table, const QString& column, const QString& type);
    // Drops the table when it exists; gives up after a bounded wait when it stays.
    bool DropTable(const QString& table);

    // The value of `column` in the first row of `table` with this ID; "" when none.
    QString LookupById(const QString& table, qint64 id, const QString& column);
    // The same for a condition with bound values, e.g. ("Var=?", {key}).
    QString LookupWhere(const QString& table, const QString& condition,
                        const QVariantList& params, const QString& column);
    // Distinct non-empty values of a column of Fmt, sorted.
    QStringList FillDistinctList(const QString& column);

    // A transaction for the lifetime of the object: rolled back unless committed.
    // Nested scopes join the outermost one.
    class Transaction {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        // False when it never began (another process kept the lock past the busy
        // timeout) or an inner scope gave up; statements then fail instead of running
        // outside the transaction.
        bool Active() const;
        bool Commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        Database& db_;
        bool outermost_ = false;
        bool done_ = false;
    };

    // Rewrites the file under another raw key (DatabaseKey.h); only while this is the one
    // connection to it. False, with the file unchanged, when that fails.
    bool Rekey(const QByteArray& rawKey);

    // The file's handle; nullptr on a server.
    sqlite3* Handle() const { return db_; }
    // Keeps `resource` until the file is closed (the mark that this process has it open).
    void HoldUntilClosed(std::shared_ptr<void> resource) { held_.append(std::move(resource)); }

private:
    struct StatementCache;
    Database(sqlite3* db, QString path);
    explicit Database(std::unique_ptr<ServerEngine> server);
    // The server's side of Exec and Query.
    bool RunOnServer(const QString& sql, const QVariantList& params, QueryResult* result);
    // Inside a transaction on a server: waits for and holds the lock named `what`.
    bool LockOnServer(const QString& what);
    void RecordServerFailure();
    // Records the failure and tells the fault watcher when it matters.
    void NoteServerFailure();
    bool BeginRaw();
    bool CommitRaw();
    void RollbackRaw();
    // Opens and keys with `applyKey`, then reads: nullptr with SQLite's `code` when it fails.
    static std::unique_ptr<Database> OpenKeyed(const QString& path, bool (*applyKey)(sqlite3*),
                                               int* code);
    sqlite3_stmt* Prepare(const QString& sql);
    sqlite3_stmt* RefuseWritesWhenDamaged(sqlite3_stmt* stmt);
    bool BindAll(sqlite3_stmt* stmt, const QVariantList& params);
    // Records why SQLite returned `code` and tells the watcher when it matters.
    void NoteFailure(int code);
    void NoteSuccess();
    void EndBusyWait();
    static int OnBusy(void* self, int attempt);

    sqlite3* db_ = nullptr;
    QString path_;
    QString lastError_;
    StoreFault lastFault_ = StoreFault::None;
    bool damaged_ = false;
    qint64 busySinceMs_ = 0;
    bool busyShown_ = false;
    int transactionDepth_ = 0;
    bool transactionOpen_ = false;
    bool rollbackOnly_ = false;
    std::unique_ptr<StatementCache> cache_;
    std::unique_ptr<ServerEngine> server_;
    QList<std::shared_ptr<void>> held_;
};

// Escapes `%`, `_` and `\` so that a name matches itself in `LIKE ? ESCAPE '\'`.
QString EscapeLike(const QString& text);
