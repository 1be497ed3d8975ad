#include "store/StoreChanges.h"

#include "store/ServerClient.h"
#include "store/ServerSchema.h"

#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

namespace {
constexpr int kDefaultRetryMs = 5000;

// One statement on the listening connection; false when the server refused it.
bool RunPlain(PGconn* conn, const QByteArray& sql) {
    PGresult* result = Pq().PQexec(conn, sql.constData());
    const bool ok = Pq().PQresultStatus(result) == PGRES_COMMAND_OK || Pq().PQresultStatus(result) == PGRES_TUPLES_OK;
    Pq().PQclear(result);
    return ok;
}

// A connection listening on the store's channel; nullptr with the reason when the
// server cannot be reached or refuses.
PGconn* OpenListening(const QString& location, QString* reason) {
    PGconn* conn = ConnectToServer(location);
    if (Pq().PQstatus(conn) != CONNECTION_OK) {
        *reason = ServerReason(conn);
        Pq().PQfinish(conn);
        return nullptr;
    }
    // The channel of this store's schema: stores in other schemas of the database
    // announce on their own.
    PGresult* schema = Pq().PQexec(conn, "SELECT current_schema()");
    const QByteArray channel =
        kChangeChannelPrefix + QByteArray(Pq().PQresultStatus(schema) == PGRES_TUPLES_OK ? Pq().PQgetvalue(schema, 0, 0) : "");
    Pq().PQclear(schema);
    char* quoted = Pq().PQescapeIdentifier(conn, channel.constData(), size_t(channel.size()));
    const bool listening = quoted && RunPlain(conn, QByteArray("LISTEN ") + quoted);
    Pq().PQfreemem(quoted);
    if (!listening) {
        *reason = ServerReason(conn);
        Pq().PQfinish(conn);
        return nullptr;
    }
    return conn;
}
} // namespace

// What a try on the background thread found; read once the thread has ended.
struct StoreChanges::Attempt {
    PGconn* conn = nullptr;
    QString reason;
};

std::unique_ptr<StoreChanges> StoreChanges::Listen(const QString& location) {
    if (!LoadServerClient(nullptr)) return nullptr;
    QString reason;
    PGconn* conn = OpenListening(location, &reason);
    if (!conn) return nullptr;
    return std::unique_ptr<StoreChanges>(new StoreChanges(location, conn));
}

StoreChanges::StoreChanges(QString location, pg_conn* conn)
    : location_(std::move(location)), retry_(new QTimer(this)) {
    retry_->setInterval(kDefaultRetryMs);
    connect(retry_, &QTimer::timeout, this, &StoreChanges::Retry);
    Watch(conn);
}

StoreChanges::~StoreChanges() {
    retry_->stop();
    // A try still connecting is waited for (a few seconds at most), then its result dropped.
    if (trying_) {
        trying_->wait();
        delete trying_;
        if (attempt_->conn) Pq().PQfinish(attempt_->conn);
    }
    delete notifier_;
    if (conn_) Pq().PQfinish(conn_);
}

void StoreChanges::SetRetryInterval(int ms) { retry_->setInterval(ms); }

void StoreChanges::Watch(pg_conn* conn) {
    conn_ = conn;
    notifier_ = new QSocketNotifier(Pq().PQsocket(conn), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StoreChanges::Read);
}

void StoreChanges::Read() {
    // A server that stops or restarts ends the connection; a silent network is noticed
    // by the keep-alive probes (ConnectToServer).
    if (!Pq().PQconsumeInput(conn_) || Pq().PQstatus(conn_) != CONNECTION_OK) {
        Lose(ServerReason(conn_));
        return;
    }
    bool formats = false, bills = false;
    while (PGnotify* notice = Pq().PQnotifies(conn_)) {
        const QByteArray table(notice->extra);
        formats = formats || table == kFormatsChangedNotice;
        bills = bills || table == kBillsChangedNotice;
        Pq().PQfreemem(notice);
    }
    if (formats) Q_EMIT FormatsChanged();
    if (bills) Q_EMIT BillsChanged();
}

void StoreChanges::Lose(const QString& reason) {
    // The notifier goes before its socket is closed.
    delete notifier_;
    notifier_ = nullptr;
    Pq().PQfinish(conn_);
    conn_ = nullptr;
    retry_->start();
    Q_EMIT ServerAway(reason);
}

void StoreChanges::Retry() {
    if (trying_) return;
    retry_->stop();
    auto attempt = std::make_shared<Attempt>();
    attempt_ = attempt;
    trying_ = QThread::create([attempt, location = location_] {
        attempt->conn = OpenListening(location, &attempt->reason);
    });
    connect(trying_, &QThread::finished, this, &StoreChanges::TakeRetry);
    trying_->start();
}

void StoreChanges::TakeRetry() {
    if (!trying_) return;
    trying_->wait();
    delete trying_;
    trying_ = nullptr;
    const std::shared_ptr<Attempt> attempt = std::move(attempt_);
    if (!attempt->conn) {
        retry_->start();
        Q_EMIT ServerAway(attempt->reason);
        return;
    }
    Watch(attempt->conn);
    Q_EMIT ServerBack();
    // Word sent while the server was away never arrived.
    Q_EMIT FormatsChanged();
    Q_EMIT BillsChanged();
}
