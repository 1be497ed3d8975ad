#pragma once
// The connection to a PostgreSQL server behind Database: statements are prepared once
// per text (rewritten by ServerSql), values are sent as text and typed by the server
// from their place in the statement, results come back typed as the file gives them
// (whole numbers as qint64, measures as double, bytes as QByteArray).
#include <QHash>
#include <QString>
#include <QVariantList>
#include <memory>

struct QueryResult;
struct pg_conn;

class ServerEngine {
public:
    // Connects with a libpq connection string or postgresql:// address; nullptr with
    // the server's reason in `error` when it cannot.
    static std::unique_ptr<ServerEngine> Connect(const QString& location, QString* error);
    ~ServerEngine();
    ServerEngine(const ServerEngine&) = delete;
    ServerEngine& operator=(const ServerEngine&) = delete;

    // Runs one statement; rows go to `result` when given. False with Error() and
    // State() set when the server refused it or could not be reached.
    bool Run(const QString& sql, const QVariantList& params, QueryResult* result);
    // The transaction statements; a broken connection is opened again only outside one,
    // so no statement of a lost transaction runs on its own.
    bool Begin();
    bool Commit();
    void Rollback();
    // Whether the server answers; outside a transaction a broken connection is opened
    // again first. False with Error() and State() set when it does not.
    bool Reachable();
    int Changes() const { return changes_; }
    QString Error() const { return error_; }
    // The five-character SQLSTATE of the last failure; "08000" when the server is away.
    QString State() const { return state_; }
    // Where the store lives, for messages: host (or socket folder), port and database,
    // never the password.
    QString Describe() const { return describe_; }
    // The name the server knows this seat by.
    QString User() const;

private:
    explicit ServerEngine(pg_conn* conn);
    bool NoteResult(void* result, QueryResult* rows);
    bool RunPlain(const char* sql);
    // After a failure that said the server is away: opens the connection again.
    bool Reconnected();

    pg_conn* conn_ = nullptr;
    QHash<QString, QByteArray> prepared_; // statement text → server-side name
    bool inTransaction_ = false;
    int changes_ = 0;
    QString error_;
    QString state_;
    QString describe_;
};
