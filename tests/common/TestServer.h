#pragma once
// A PostgreSQL server of a test program's own: initdb and pg_ctl in a temporary folder,
// run as an unprivileged user (nobody when the tests run as root), listening only on a
// Unix socket in that folder, stopped and removed at the end.
//
// A test program runs against the server store when VELLUMARK_TEST_STORE=server: the
// server starts once for the program, and every TempDataFolder then points the store
// at a fresh, empty schema of it, so the same tests run on either store.
#include <QString>
#include <QTemporaryDir>

struct ServerCertificate;

class TestServer {
public:
    TestServer();
    // The same server also listening on 127.0.0.1, at a free port, with TLS from `tls`;
    // Location() still goes through the socket, without TLS.
    explicit TestServer(const ServerCertificate& tls);
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    bool Running() const { return running_; }
    // The port it listens on, 5432 unless started with TLS.
    int Port() const { return port_; }
    // Why it did not start: initdb's or pg_ctl's own output.
    QString Error() const { return error_; }
    // A connection string as `user` (the superuser "postgres" by default), with
    // `schema` as the place new tables go when given.
    QString Location(const QString& user = {}, const QString& schema = {}) const;
    // Creates a new empty schema and returns a connection string into it.
    QString FreshStore(const QString& user = {});
    // The schema the last FreshStore made, for a second seat's Location into it.
    QString LastSchema() const { return QStringLiteral("store%1").arg(stores_); }
    // Runs one statement as the superuser; false when it fails.
    bool Run(const QString& sql) const;
    // The folder of its Unix socket, as the connection library names the server.
    QString SocketFolder() const { return dir_.path(); }
    // Stops the server at once, as a crash ends it (its seats' connections break), and
    // starts it again on the same folder and socket.
    bool Stop();
    bool Start();

private:
    // initdb, then the first start; with `tls` also on 127.0.0.1 with TLS.
    void Init(const ServerCertificate* tls);
    bool Tool(const QString& program, const QStringList& arguments);
    bool StartServer();
    QString StopCommand() const;

    QTemporaryDir dir_;
    bool running_ = false;
    QString error_;
    QString options_; // what the server is started with, the same on every start
    int stores_ = 0;
    int port_ = 5432;
};

// The program's shared server when VELLUMARK_TEST_STORE=server, else nullptr. Started on
// first use, stopped when the program ends.
TestServer* SharedTestServer();
// The same server started whatever the variable says, for tests that are about the
// server itself; nullptr when it cannot start (no PostgreSQL on the machine).
TestServer* StartedTestServer();

// Points the store at a server location for a scope (as --store does), and back at the
// data folder's file afterwards.
class ServerStoreScope {
public:
    explicit ServerStoreScope(const QString& location);
    ~ServerStoreScope();
    ServerStoreScope(const ServerStoreScope&) = delete;
    ServerStoreScope& operator=(const ServerStoreScope&) = delete;
};
