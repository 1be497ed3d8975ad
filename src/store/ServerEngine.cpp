#include "store/ServerEngine.h"

#include "store/ServerClient.h"
#include "store/Database.h"
#include "store/ServerSql.h"


#include <vector>

namespace {

// Type numbers of the server's built-in types (fixed by its catalogue).
constexpr Oid kBool = 16, kBytea = 17, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26,
              kFloat4 = 700, kFloat8 = 701, kNumeric = 1700;
const QString kAway = QStringLiteral("08000");

QByteArray TextOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? "1" : "0";
    case QMetaType::Double:
    case QMetaType::Float: return QByteArray::number(value.toDouble(), 'g', 17);
    case QMetaType::QByteArray: return "\\x" + value.toByteArray().toHex();
    default: return value.toString().toUtf8();
    }
}

QVariant ValueOf(const PGresult* result, int row, int column) {
    if (Pq().PQgetisnull(result, row, column)) return {};
    const char* text = Pq().PQgetvalue(result, row, column);
    const int length = Pq().PQgetlength(result, row, column);
    switch (Pq().PQftype(result, column)) {
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: return QVariant::fromValue<qint64>(QByteArray(text, length).toLongLong());
    case kBool: return QVariant::fromValue<qint64>(text[0] == 't' ? 1 : 0);
    case kFloat4:
    case kFloat8:
    case kNumeric: return QByteArray(text, length).toDouble();
    case kBytea: {
        size_t size = 0;
        unsigned char* bytes = Pq().PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
        QByteArray copy(reinterpret_cast<const char*>(bytes), qsizetype(size));
        Pq().PQfreemem(bytes);
        return copy;
    }
    default: return QString::fromUtf8(text, length);
    }
}

QString DescribeConnection(PGconn* conn) {
    QString host = QString::fromUtf8(Pq().PQhost(conn));
    if (host.isEmpty()) host = QStringLiteral("localhost");
    return QStringLiteral("%1:%2/%3").arg(host, QString::fromUtf8(Pq().PQport(conn)),
                                          QString::fromUtf8(Pq().PQdb(conn)));
}

} // namespace

std::unique_ptr<ServerEngine> ServerEngine::Connect(const QString& location, QString* error) {
    if (!LoadServerClient(error)) return nullptr;
    PGconn* conn = ConnectToServer(location);
    if (Pq().PQstatus(conn) != CONNECTION_OK) {
        if (error) *error = ServerReason(conn);
        Pq().PQfinish(conn);
        return nullptr;
    }
    return std::unique_ptr<ServerEngine>(new ServerEngine(conn));
}

ServerEngine::ServerEngine(pg_conn* conn) : conn_(conn), describe_(DescribeConnection(conn)) {}

ServerEngine::~ServerEngine() { Pq().PQfinish(conn_); }

QString ServerEngine::User() const { return QString::fromUtf8(Pq().PQuser(conn_)); }

bool ServerEngine::Reconnected() {
    // Only for a failure that said the server is away: libpq may still call such a
    // connection good until it is reset.
    if (state_ != kAway) return false;
    Pq().PQreset(conn_);
    prepared_.clear();
    if (Pq().PQstatus(conn_) == CONNECTION_OK) return true;
    // Why the server cannot be reached now, rather than how the old connection ended.
    error_ = ServerReason(conn_);
    state_ = kAway;
    return false;
}

bool ServerEngine::Reachable() {
    // A transaction's statements say for themselves whether its connection still holds.
    if (!inTransaction_ || Pq().PQstatus(conn_) != CONNECTION_OK)
        return Run(QStringLiteral("SELECT 1"), {}, nullptr);
    return true;
}

bool ServerEngine::NoteResult(void* raw, QueryResult* rows) {
    auto* result = static_cast<PGresult*>(raw);
    const ExecStatusType status = result ? Pq().PQresultStatus(result) : PGRES_FATAL_ERROR;
    const bool ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (ok) {
        error_.clear();
        state_.clear();
        changes_ = QByteArray(Pq().PQcmdTuples(result)).toInt();
        if (rows) {
            const int columns = Pq().PQnfields(result);
            for (int c = 0; c < columns; ++c) rows->columns << QString::fromUtf8(Pq().PQfname(result, c));
            const int count = Pq().PQntuples(result);
            rows->rows.reserve(count);
            for (int r = 0; r < count; ++r) {
                QVariantList row;
                row.reserve(columns);
                for (int c = 0; c < columns; ++c) row << ValueOf(result, r, c);
                rows->rows << std::move(row);
            }
        }
    } else {
        const char* state = result ? Pq().PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
        state_ = state ? QString::fromLatin1(state) : kAway;
        if (Pq().PQstatus(conn_) != CONNECTION_OK) state_ = kAway;
        const char* message = result ? Pq().PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        error_ = message ? QString::fromUtf8(message) : ServerReason(conn_);
    }
    Pq().PQclear(result);
    return ok;
}

bool ServerEngine::RunPlain(const char* sql) { return NoteResult(Pq().PQexec(conn_, sql), nullptr); }

bool ServerEngine::Begin() {
    inTransaction_ = RunPlain("BEGIN") || (Reconnected() && RunPlain("BEGIN"));
    return inTransaction_;
}

bool ServerEngine::Commit() {
    inTransaction_ = false;
    // A transaction in which a statement failed ends in a rollback that reports success.
    PGresult* result = Pq().PQexec(conn_, "COMMIT");
    const bool committed = result && QByteArray(Pq().PQcmdStatus(result)) == "COMMIT";
    if (!NoteResult(result, nullptr) || committed) return committed;
    error_ = QStringLiteral("the transaction was rolled back after a failed statement");
    state_ = QStringLiteral("25P02");
    return false;
}

void ServerEngine::Rollback() {
    inTransaction_ = false;
    if (Pq().PQstatus(conn_) == CONNECTION_OK) RunPlain("ROLLBACK");
}

bool ServerEngine::Run(const QString& sql, const QVariantList& params, QueryResult* result) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        QByteArray name = prepared_.value(sql);
        if (name.isEmpty()) {
            name = "s" + QByteArray::number(prepared_.size() + 1);
            if (!NoteResult(Pq().PQprepare(conn_, name.constData(), ServerSql(sql).toUtf8().constData(),
                                      0, nullptr),
                            nullptr)) {
                if (attempt == 0 && !inTransaction_ && Reconnected()) continue;
                return false;
            }
            prepared_.insert(sql, name);
        }
        std::vector<QByteArray> texts;
        std::vector<const char*> values;
        texts.reserve(params.size());
        for (const QVariant& value : params) {
            const bool null = !value.isValid() || value.isNull();
            texts.push_back(null ? QByteArray() : TextOf(value));
            values.push_back(null ? nullptr : texts.back().constData());
        }
        if (result) *result = QueryResult{};
        if (NoteResult(Pq().PQexecPrepared(conn_, name.constData(), int(values.size()), values.data(),
                                      nullptr, nullptr, 0),
                       result))
            return true;
        // A dropped connection is opened again once, unless a transaction was lost with it.
        if (attempt == 0 && !inTransaction_ && Reconnected()) continue;
        return false;
    }
    return false;
}
