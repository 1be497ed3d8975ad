#include "store/StoreChanges.h"

#include "store/ServerClient.h"
#include "store/ServerSchema.h"

#include <QSocketNotifier>

namespace {
// One statement on the listening connection; false when the server refused it.
bool RunPlain(PGconn* conn, const QByteArray& sql) {
    PGresult* result = Pq().PQexec(conn, sql.constData());
    const bool ok = Pq().PQresultStatus(result) == PGRES_COMMAND_OK || Pq().PQresultStatus(result) == PGRES_TUPLES_OK;
    Pq().PQclear(result);
    return ok;
}
} // namespace

std::unique_ptr<StoreChanges> StoreChanges::Listen(const QString& location) {
    if (!LoadServerClient(nullptr)) return nullptr;
    PGconn* conn = Pq().PQconnectdb(location.toUtf8().constData());
    if (Pq().PQstatus(conn) != CONNECTION_OK) {
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
        Pq().PQfinish(conn);
        return nullptr;
    }
    return std::unique_ptr<StoreChanges>(new StoreChanges(conn));
}

StoreChanges::StoreChanges(pg_conn* conn)
    : conn_(conn), notifier_(new QSocketNotifier(Pq().PQsocket(conn), QSocketNotifier::Read, this)) {
    connect(notifier_, &QSocketNotifier::activated, this, &StoreChanges::Read);
}

StoreChanges::~StoreChanges() {
    delete notifier_;
    Pq().PQfinish(conn_);
}

void StoreChanges::Read() {
    // A lost connection stops the word; the next start listens again.
    if (!Pq().PQconsumeInput(conn_)) {
        notifier_->setEnabled(false);
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
