#pragma once
// The PostgreSQL client library (libpq), loaded when the first server store is opened:
// a file store, and every command run on one, never loads it nor what it needs (TLS,
// Kerberos, LDAP), so the program starts as fast as without it.
#include <libpq-fe.h>

class QString;

// The client functions the server store calls.
#define VELLUMARK_SERVER_CLIENT_FUNCTIONS(X) \
    X(PQclear) X(PQcmdStatus) X(PQcmdTuples) X(PQconnectdbParams) X(PQconsumeInput) X(PQdb) \
    X(PQerrorMessage) X(PQescapeIdentifier) X(PQexec) X(PQexecPrepared) X(PQfinish) X(PQfname) \
    X(PQfreemem) X(PQftype) X(PQgetisnull) X(PQgetlength) X(PQgetvalue) X(PQhost) X(PQnfields) \
    X(PQnotifies) X(PQntuples) X(PQport) X(PQprepare) X(PQreset) X(PQresultErrorField) \
    X(PQresultStatus) X(PQsetNoticeProcessor) X(PQsocket) X(PQstatus) \
    X(PQunescapeBytea) X(PQuser)

struct ServerClient {
#define VELLUMARK_CLIENT_FUNCTION(name) decltype(&::name) name = nullptr;
    VELLUMARK_SERVER_CLIENT_FUNCTIONS(VELLUMARK_CLIENT_FUNCTION)
#undef VELLUMARK_CLIENT_FUNCTION
};

// Connects to `location` (a libpq connection string or postgresql:// address) with the
// client's defaults for a seat: a connection attempt and a silent network give up within
// seconds instead of minutes. Settings in `location` win. Only after LoadServerClient.
PGconn* ConnectToServer(const QString& location);
// libpq's reason for a failure on `conn`, on one line.
QString ServerReason(const PGconn* conn);

// Loads the library once; nullptr (with the reason in `error`) when it is missing or
// lacks a function.
const ServerClient* LoadServerClient(QString* error);

// The loaded client: only after LoadServerClient succeeded (every connection is made
// through it, so code holding a connection may call this).
const ServerClient& Pq();
