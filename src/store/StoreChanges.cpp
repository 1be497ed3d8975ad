#include "store/StoreChanges.h"

#include "store/ServerSchema.h"

#include <QSocketNotifier>
#include <libpq-fe.h>

namespace {
// One statement on the listening connection; false when the server refused it.
bool RunPlain(PGconn* conn, const QByteArray& sql) {
    PGresult* result = PQexec(conn, sql.constData());
    const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
    PQclear(result);
    return ok;
}
} // namespace

std::unique_ptr<StoreChanges> StoreChanges::Listen(const QString& location) {
    PGconn* conn = PQconnectdb(location.toUtf8().constData());
    if (PQstatus(conn) != CONNECTION_OK) {
        PQfinish(conn);
        return nullptr;
    }
    // The channel of this store's schema: stores in other schemas of the database
    // announce on their own.
    PGresult* schema = PQexec(conn, "SELECT current_schema()");
    const QByteArray channel =
        kChangeChannelPrefix + QByteArray(PQresultStatus(schema) == PGRES_TUPLES_OK ? PQgetvalue(schema, 0, 0) : "");
    PQclear(schema);
    char* quoted = PQescapeIdentifier(conn, channel.constData(), size_t(channel.size()));
    const bool listening = quoted && RunPlain(conn, QByteArray("LISTEN ") + quoted);
    PQfreemem(quoted);
    if (!listening) {
        PQfinish(conn);
        return nullptr;
    }
    return std::unique_ptr<StoreChanges>(new StoreChanges(conn));
}

StoreChanges::StoreChanges(pg_conn* conn)
    : conn_(conn), notifier_(new QSocketNotifier(PQsocket(conn), QSocketNotifier::Read, this)) {
    connect(notifier_, &QSocketNotifier::activated, this, &StoreChanges::Read);
}

StoreChanges::~StoreChanges() {
    delete notifier_;
    PQfinish(conn_);
}

void StoreChanges::Read() {
    // A lost connection stops the word; the next start listens again.
    if (!PQconsumeInput(conn_)) {
        notifier_->setEnabled(false);
        return;
    }
    bool formats = false, bills = false;
    while (PGnotify* notice = PQnotifies(conn_)) {
        const QByteArray table(notice->extra);
        formats = formats || table == kFormatsChangedNotice;
        bills = bills || table == kBillsChangedNotice;
        PQfreemem(notice);
    }
    if (formats) Q_EMIT FormatsChanged();
    if (bills) Q_EMIT BillsChanged();
}
