#include "store/ServerClient.h"

#include <QString>

#include <dlfcn.h>

namespace {

// The library's name with its interface version: the same one the headers describe.
constexpr char kLibrary[] = "libpq.so.5";

ServerClient client;

// Empty once loaded; otherwise why it could not be.
QString LoadOnce() {
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) return QString::fromLocal8Bit(dlerror());
#define VELLUMARK_CLIENT_FUNCTION(name)                                             \
    client.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));      \
    if (!client.name) return QStringLiteral("%1: %2").arg(QLatin1String(kLibrary), QLatin1String(#name));
    VELLUMARK_SERVER_CLIENT_FUNCTIONS(VELLUMARK_CLIENT_FUNCTION)
#undef VELLUMARK_CLIENT_FUNCTION
    return {};
}

} // namespace

const ServerClient* LoadServerClient(QString* error) {
    static const QString problem = LoadOnce();
    if (problem.isEmpty()) return &client;
    if (error) *error = problem;
    return nullptr;
}

const ServerClient& Pq() { return client; }

PGconn* ConnectToServer(const QString& location) {
    // The defaults first: the parameters that `location` expands into come after and
    // override them. Texts are UTF-8 both ways whatever `location` says, also after a
    // reset, which connects again with these parameters.
    const QByteArray where = location.toUtf8();
    const char* const keywords[] = {"connect_timeout", "keepalives_idle", "keepalives_interval",
                                    "keepalives_count", "dbname", "client_encoding", nullptr};
    const char* const values[] = {"5", "10", "5", "3", where.constData(), "UTF8", nullptr};
    PGconn* conn = Pq().PQconnectdbParams(keywords, values, 1);
    // The server's notices (a table that already exists, its shutdown) stay quiet.
    Pq().PQsetNoticeProcessor(conn, [](void*, const char*) {}, nullptr);
    return conn;
}

QString ServerReason(const PGconn* conn) {
    return QString::fromUtf8(Pq().PQerrorMessage(conn)).simplified();
}
