#include "store/Database.h"

#include "store/DatabaseKey.h"
#include "store/InPlaceEmptying.h"
#include "store/ServerEngine.h"
#include "store/ServerSql.h"
#include "store/StoreTexts.h"

#include <sqlcipher/sqlite3.h>

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QThread>

namespace {

// A wait shorter than this is not worth showing.
constexpr int kShowWaitAfterMs = 300;
constexpr int kBusyPollMs = 20;

BusyWait& ProcessBusyWait() {
    static BusyWait wait;
    return wait;
}

std::function<void(StoreFault, const QString&)>& ProcessFaultWatcher() {
    static std::function<void(StoreFault, const QString&)> watcher;
    return watcher;
}

// The server's SQLSTATE classes the user is told about.
StoreFault ServerFaultOf(const QString& state) {
    if (state.startsWith(QLatin1String("08"))) return StoreFault::ServerAway;
    if (state == QLatin1String("42501")) return StoreFault::Refused;
    if (state == QLatin1String("40001") || state == QLatin1String("40P01")
        || state == QLatin1String("55P03"))
        return StoreFault::Busy;
    if (state == QLatin1String("53100")) return StoreFault::DiskFull;
    return StoreFault::Other;
}

// A 64-bit key for the server's transaction locks, the same on every seat.
qint64 LockKey(const QString& text) {
    quint64 hash = 14695981039346656037ull;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return static_cast<qint64>(hash);
}

StoreFault FaultOf(int code) {
    switch (code & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW: return StoreFault::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return StoreFault::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return StoreFault::Damaged;
    case SQLITE_FULL: return StoreFault::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return StoreFault::ReadOnly;
    default: return StoreFault::Other;
    }
}
// Prepared statements kept per connection; formats reuse a handful of texts.
constexpr int kStatementCacheLimit = 64;

QString Quoted(const QString& identifier) {
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString ErrorOf(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

bool IsBlank(const char* text) {
    for (; text && *text; ++text)
        if (!QChar::isSpace(static_cast<unsigned char>(*text))) return false;
    return true;
}

int Bind(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, index, static_cast<sqlite3_int64>(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob64(stmt, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text64(stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    }
    }
}

QVariant ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER: return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT: return sqlite3_column_double(stmt, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                                 sqlite3_column_bytes(stmt, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)),
                          sqlite3_column_bytes(stmt, column));
    default: return QVariant();
    }
}

} // namespace

// Prepared statements by SQL text, so a format save prepares each text once.
struct Database::StatementCache {
    QHash<QString, sqlite3_stmt*> statements;

    void Clear() {
        for (sqlite3_stmt* stmt : std::as_const(statements)) sqlite3_finalize(stmt);
        statements.clear();
    }
};

QVariant QueryResult::Value(qsizetype row, const QString& column) const {
    const qsizetype index = columns.indexOf(column);
    if (index < 0 || row < 0 || row >= rows.size()) return {};
    return rows[row].value(index);
}

void Database::SetBusyWait(BusyWait wait) { ProcessBusyWait() = std::move(wait); }

const BusyWait& Database::CurrentBusyWait() { return ProcessBusyWait(); }

void Database::SetFaultWatcher(std::function<void(StoreFault, const QString&)> watcher) {
    ProcessFaultWatcher() = std::move(watcher);
}

std::unique_ptr<Database> Database::Open(const QString& path, QString* error, StoreFault* fault) {
    int code = SQLITE_OK;
    std::unique_ptr<Database> opened = OpenKeyed(path, &ApplyStoreKey, &code);
    const int firstFault = code;
    // A file from before the raw key reads only with the passphrase; it is converted
    // when this connection has it alone, else read with the passphrase this time.
    if (!opened && code != SQLITE_CANTOPEN && FaultOf(code) != StoreFault::Busy) {
        opened = OpenKeyed(path, &ApplyPassphraseKey, &code);
        if (opened) ConvertToStoreKey(opened->db_);
        // Another process may have converted it in between.
        if (!opened) opened = OpenKeyed(path, &ApplyStoreKey, &code);
    }
    if (opened) return opened;
    if (fault) *fault = FaultOf(FaultOf(code) == StoreFault::Busy ? code : firstFault);
    if (error) *error = StoreTexts::kNoConnection;
    return nullptr;
}

std::unique_ptr<Database> Database::OpenServer(const QString& location, QString* error,
                                               StoreFault* fault) {
    QString reason;
    std::unique_ptr<ServerEngine> server = ServerEngine::Connect(location, &reason);
    if (!server) {
        if (fault) *fault = StoreFault::ServerAway;
        if (error) *error = reason;
        return nullptr;
    }
    return std::unique_ptr<Database>(new Database(std::move(server)));
}

std::unique_ptr<Database> Database::OpenKeyed(const QString& path, bool (*applyKey)(sqlite3*),
                                              int* code) {
    EmptyIndexAndLogInPlace();
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK
        || !applyKey(db)) {
        *code = db ? sqlite3_extended_errcode(db) : SQLITE_CANTOPEN;
        if (*code == SQLITE_OK) *code = SQLITE_CANTOPEN;
        sqlite3_close(db);
        return nullptr;
    }
    auto opened = std::unique_ptr<Database>(new Database(db, path));
    sqlite3_busy_handler(db, &Database::OnBusy, opened.get());
    // The first read decrypts page 1: a wrong key or a damaged file fails here, before
    // anything could be written to it. WAL lets a second process read while the window
    // writes; NORMAL sync is safe against a killed process in WAL mode.
    for (const char* sql : {"SELECT count(*) FROM sqlite_master", "PRAGMA journal_mode=WAL",
                            "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=OFF",
                            "PRAGMA cache_size=-32768"}) {
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        opened->EndBusyWait();
        if (rc != SQLITE_OK) {
            *code = sqlite3_extended_errcode(db);
            return nullptr; // the destructor closes the file
        }
    }
    *code = SQLITE_OK;
    return opened;
}

bool Database::Rekey(const QByteArray& rawKey) {
    if (server_) return false;
    // Leaving write-ahead logging for the rewrite needs no statement of this connection open.
    cache_->Clear();
    return RekeyFile(db_, rawKey);
}

Database::Database(sqlite3* db, QString path)
    : db_(db), path_(std::move(path)), cache_(std::make_unique<StatementCache>()) {}

Database::Database(std::unique_ptr<ServerEngine> server)
    : path_(server->Describe()), cache_(std::make_unique<StatementCache>()),
      server_(std::move(server)) {}

QString Database::ServerUser() const { return server_ ? server_->User() : QString(); }

bool Database::Reachable() {
    if (!server_) return true;
    if (server_->Reachable()) {
        NoteSuccess();
        return true;
    }
    // The caller asked and tells the user itself.
    RecordServerFailure();
    return false;
}

QString Database::FaultWhere() const {
    if (lastFault_ != StoreFault::ServerAway) return path_;
    return path_ + QStringLiteral("：") + lastError_;
}

Database::~Database() {
    cache_->Clear();
    if (db_) sqlite3_close(db_);
    // Only now that the file is closed may the marks of this session go.
    held_.clear();
}

int Database::OnBusy(void* self, int attempt) {
    auto* db = static_cast<Database*>(self);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (attempt == 0) db->busySinceMs_ = now;
    const BusyWait& wait = ProcessBusyWait();
    const qint64 waited = now - db->busySinceMs_;
    if (waited >= wait.limitMs) return 0;
    if (wait.watcher && waited >= kShowWaitAfterMs) {
        db->busyShown_ = true;
        wait.watcher(int(std::max<qint64>(waited, 1)));
    }
    QThread::msleep(kBusyPollMs);
    return 1;
}

void Database::EndBusyWait() {
    if (!busyShown_) return;
    busyShown_ = false;
    if (const BusyWait& wait = ProcessBusyWait(); wait.watcher) wait.watcher(0);
}

void Database::NoteSuccess() {
    EndBusyWait();
    lastError_.clear();
    lastFault_ = StoreFault::None;
}

void Database::NoteFailure(int code) {
    EndBusyWait();
    lastError_ = ErrorOf(db_);
    lastFault_ = FaultOf(code);
    const bool newlyDamaged = lastFault_ == StoreFault::Damaged && !damaged_;
    if (newlyDamaged) {
        damaged_ = true;
        // Whatever happens next, the next start checks the whole file.
        QFile(CheckMarkPath(path_)).open(QIODevice::WriteOnly);
    }
    const auto& watcher = ProcessFaultWatcher();
    if (watcher && (newlyDamaged || lastFault_ == StoreFault::Busy
                    || lastFault_ == StoreFault::DiskFull))
        watcher(lastFault_, FaultWhere());
}

bool Database::CheckIntegrity() {
    // A server keeps its own pages whole.
    if (server_) return true;
    const QueryResult check = Query(QStringLiteral("PRAGMA integrity_check"));
    if (!check.failed && check.rows.size() == 1
        && check.rows.first().value(0).toString() == QLatin1String("ok"))
        return true;
    if (!damaged_) {
        // The check read every page without an error, yet found them inconsistent.
        NoteFailure(SQLITE_CORRUPT);
        lastError_ = check.rows.value(0).value(0).toString();
    }
    return false;
}

sqlite3_stmt* Database::Prepare(const QString& sql) {
    if (transactionDepth_ > 0 && !transactionOpen_) {
        lastError_ = QStringLiteral("the enclosing transaction could not begin");
        return nullptr;
    }
    if (sqlite3_stmt* cached = cache_->statements.value(sql)) return RefuseWritesWhenDamaged(cached);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt, &tail);
    if (rc != SQLITE_OK || !stmt) {
        NoteFailure(rc);
        if (!stmt) lastError_ += QStringLiteral(" (empty statement)");
        sqlite3_finalize(stmt);
        return nullptr;
    }
    // One statement per call: a second one would otherwise be dropped silently.
    if (!IsBlank(tail)) {
        lastError_ = QStringLiteral("more than one statement in one call");
        sqlite3_finalize(stmt);
        return nullptr;
    }
    if (cache_->statements.size() >= kStatementCacheLimit) cache_->Clear();
    cache_->statements.insert(sql, stmt);
    return RefuseWritesWhenDamaged(stmt);
}

sqlite3_stmt* Database::RefuseWritesWhenDamaged(sqlite3_stmt* stmt) {
    if (!damaged_ || sqlite3_stmt_readonly(stmt)) return stmt;
    lastError_ = QStringLiteral("the file is damaged: nothing is written into it");
    lastFault_ = StoreFault::Damaged;
    return nullptr;
}

bool Database::BindAll(sqlite3_stmt* stmt, const QVariantList& params) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (params.size() != sqlite3_bind_parameter_count(stmt)) {
        lastError_ = QStringLiteral("%1 values for %2 parameters")
                         .arg(params.size())
                         .arg(sqlite3_bind_parameter_count(stmt));
        return false;
    }
    for (int i = 0; i < params.size(); ++i) {
        if (Bind(stmt, i + 1, params[i]) != SQLITE_OK) {
            lastError_ = ErrorOf(db_);
            return false;
        }
    }
    return true;
}

void Database::RecordServerFailure() {
    lastError_ = server_->Error();
    lastFault_ = ServerFaultOf(server_->State());
    // The server abandons a transaction in which a statement failed.
    if (transactionOpen_) rollbackOnly_ = true;
}

void Database::NoteServerFailure() {
    RecordServerFailure();
    const auto& watcher = ProcessFaultWatcher();
    if (watcher && (lastFault_ == StoreFault::Busy || lastFault_ == StoreFault::DiskFull
                    || lastFault_ == StoreFault::ServerAway))
        watcher(lastFault_, FaultWhere());
}

bool Database::RunOnServer(const QString& sql, const QVariantList& params, QueryResult* result) {
    if (transactionDepth_ > 0 && !transactionOpen_) {
        lastError_ = QStringLiteral("the enclosing transaction could not begin");
        return false;
    }
    if (server_->Run(sql, params, result)) {
        NoteSuccess();
        return true;
    }
    NoteServerFailure();
    return false;
}

bool Database::ExecAfterwards(const QString& sql, const QVariantList& params) {
    const QString error = lastError_;
    const StoreFault fault = lastFault_;
    const bool ok = Exec(sql, params);
    lastError_ = error;
    lastFault_ = fault;
    return ok;
}

bool Database::Exec(const QString& sql, const QVariantList& params) {
    if (server_) return RunOnServer(sql, params, nullptr);
    sqlite3_stmt* stmt = Prepare(sql);
    if (!stmt || !BindAll(stmt, params)) return false;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {}
    const bool ok = rc == SQLITE_DONE;
    if (ok) NoteSuccess();
    else NoteFailure(sqlite3_extended_errcode(db_));
    sqlite3_reset(stmt);
    return ok;
}

QueryResult Database::Query(const QString& sql, const QVariantList& params) {
    QueryResult result;
    result.failed = true;
    if (server_) {
        if (!RunOnServer(sql, params, &result)) return QueryResult{{}, {}, true};
        result.failed = false;
        return result;
    }
    sqlite3_stmt* stmt = Prepare(sql);
    if (!stmt || !BindAll(stmt, params)) return result;
    const int columnCount = sqlite3_column_count(stmt);
    for (int c = 0; c < columnCount; ++c)
        result.columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) row << ColumnValue(stmt, c);
        result.rows << std::move(row);
    }
    if (rc != SQLITE_DONE) {
        NoteFailure(sqlite3_extended_errcode(db_));
        result.rows.clear();
    } else {
        NoteSuccess();
        result.failed = false;
    }
    sqlite3_reset(stmt);
    return result;
}

bool Database::FlushToDisk() {
    // The server makes a commit durable itself.
    if (server_) return true;
    const int rc = sqlite3_db_cacheflush(db_);
    if (rc == SQLITE_OK) return true;
    NoteFailure(rc);
    return false;
}

qint64 Database::LastInsertId() const {
    if (!server_) return sqlite3_last_insert_rowid(db_);
    QueryResult result;
    return server_->Run(QStringLiteral("SELECT lastval()"), {}, &result)
               ? result.rows.value(0).value(0).toLongLong()
               : 0;
}

int Database::Changes() const { return server_ ? server_->Changes() : sqlite3_changes(db_); }

int Database::SchemaVersion() {
    if (!server_) {
        const QueryResult result = Query(QStringLiteral("PRAGMA user_version"));
        return result.Empty() ? -1 : result.rows.first().value(0).toInt();
    }
    if (!TableExists(QStringLiteral("版本"))) return 0;
    const QueryResult result = Query(QStringLiteral("SELECT max(Version) FROM 版本"));
    return result.failed ? -1 : result.rows.value(0).value(0).toInt();
}

bool Database::SetSchemaVersion(int version) {
    if (!server_) return Exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
    return Exec(QStringLiteral("DELETE FROM 版本"))
           && Exec(QStringLiteral("INSERT INTO 版本(Version) VALUES(?)"), {version});
}

bool Database::LockOnServer(const QString& what) {
    return !server_ || Exec(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {LockKey(what)});
}

bool Database::LockBillNumbers(const QString& formatName) {
    return LockOnServer(QStringLiteral("历史:") + formatName);
}

bool Database::LockFormatChanges(const QString& formatName) {
    return LockOnServer(QStringLiteral("Fmt:") + formatName);
}

bool Database::TableExists(const QString& table) {
    if (server_)
        return !Query(QStringLiteral("SELECT 1 FROM pg_catalog.pg_tables"
                                     " WHERE schemaname=current_schema() AND tablename=?"),
                      {ServerName(table)})
                    .Empty();
    return !Query(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"),
                  {table})
                .Empty();
}

bool Database::ColumnExists(const QString& table, const QString& column) {
    if (server_)
        return !Query(QStringLiteral("SELECT 1 FROM information_schema.columns WHERE"
                                     " table_schema=current_schema() AND table_name=?"
                                     " AND column_name=?"),
                      {ServerName(table), ServerName(column)})
                    .Empty();
    const QueryResult info = Query(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(table)));
    for (qsizetype row = 0; row < info.rows.size(); ++row)
        if (info.Value(row, QStringLiteral("name")).toString() == column) return true;
    return false;
}

bool Database::AddColumnIfMissing(const QString& table, const QString& column,
                                  const QString& type) {
    if (ColumnExists(table, column)) return true;
    for (QChar c : type)
        if (!(c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('(')
              || c == QLatin1Char(')') || c == QLatin1Char(','))) {
            lastError_ = QStringLiteral("unexpected column type: ") + type;
            return false;
        }
    // On a server REAL would be single precision and INTEGER 32 bits; the file's are 64.
    QString columnType = type;
    if (server_ && type.compare(QLatin1String("REAL"), Qt::CaseInsensitive) == 0)
        columnType = QStringLiteral("DOUBLE PRECISION");
    else if (server_ && type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
        columnType = QStringLiteral("BIGINT");
    Transaction transaction(*this);
    return Exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                    .arg(Quoted(table), Quoted(column), columnType))
           && Exec(QStringLiteral("UPDATE %1 SET %2=0").arg(Quoted(table), Quoted(column)))
           && transaction.Commit();
}

bool Database::DropTable(const QString& table) {
    // A drop waits up to the busy timeout for other processes each time; a few tries
    // bound the whole wait.
    constexpr int kTries = 3;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (!TableExists(table)) return true;
        if (Exec(QStringLiteral("DROP TABLE %1").arg(Quoted(table)))) continue;
        QThread::msleep(100);
    }
    return !TableExists(table);
}

QString Database::LookupById(const QString& table, qint64 id, const QString& column) {
    return LookupWhere(table, QStringLiteral("ID=?"), {id}, column);
}

QString Database::LookupWhere(const QString& table, const QString& condition,
                              const QVariantList& params, const QString& column) {
    const QueryResult result =
        Query(QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                  .arg(Quoted(column), Quoted(table), condition),
              params);
    return result.Empty() ? QString() : result.rows.first().value(0).toString();
}

QStringList Database::FillDistinctList(const QString& column) {
    // A column name cannot be bound; only a real column of Fmt is accepted.
    if (!ColumnExists(QStringLiteral("Fmt"), column)) return {};
    const QString quoted = Quoted(column);
    const QueryResult result = Query(
        QStringLiteral("SELECT %1 FROM Fmt GROUP BY %1 ORDER BY %1").arg(quoted));
    QStringList values;
    for (const QVariantList& row : result.rows) {
        const QString value = row.value(0).toString();
        if (!value.isEmpty()) values << value;
    }
    return values;
}

Database::Transaction::Transaction(Database& db) : db_(db) {
    outermost_ = db_.transactionDepth_ == 0;
    if (outermost_) {
        db_.rollbackOnly_ = false;
        // A damaged file gets no transaction.
        if (db_.damaged_) {
            db_.transactionOpen_ = false;
            db_.lastFault_ = StoreFault::Damaged;
        } else {
            db_.transactionOpen_ = db_.BeginRaw();
        }
    }
    ++db_.transactionDepth_;
}

bool Database::Transaction::Active() const { return db_.transactionOpen_ && !db_.rollbackOnly_; }

bool Database::Transaction::Commit() {
    if (done_) return false;
    done_ = true;
    --db_.transactionDepth_;
    if (!outermost_) return !db_.rollbackOnly_ && db_.transactionOpen_;
    const bool open = db_.transactionOpen_;
    db_.transactionOpen_ = false;
    if (!open) return false;
    if (!db_.rollbackOnly_ && db_.CommitRaw()) return true;
    db_.RollbackRaw();
    return false;
}

Database::Transaction::~Transaction() {
    if (done_) return;
    --db_.transactionDepth_;
    if (!outermost_) {
        // An inner scope that did not finish dooms the whole transaction.
        db_.rollbackOnly_ = true;
        return;
    }
    if (db_.transactionOpen_) db_.RollbackRaw();
    db_.transactionOpen_ = false;
}

bool Database::BeginRaw() {
    if (server_) {
        if (!server_->Begin()) {
            NoteServerFailure();
            return false;
        }
        NoteSuccess();
        return true;
    }
    // IMMEDIATE takes the write lock now, so a concurrent writer makes us wait here
    // instead of failing half-way through.
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) NoteSuccess();
    else NoteFailure(sqlite3_extended_errcode(db_));
    return rc == SQLITE_OK;
}

bool Database::CommitRaw() {
    if (server_) {
        if (server_->Commit()) return true;
        NoteServerFailure();
        return false;
    }
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        EndBusyWait();
        return true;
    }
    NoteFailure(sqlite3_extended_errcode(db_));
    return false;
}

void Database::RollbackRaw() {
    if (server_) server_->Rollback();
    else sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

QString EscapeLike(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 4);
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}
