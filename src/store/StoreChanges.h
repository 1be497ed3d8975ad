#pragma once
// Word from a server store that another seat changed it: formats added, saved, renamed
// or deleted, or bills stored or deleted. The server's triggers (ServerSchema) send it
// when the change commits; a connection of its own waits for it in the event loop, so
// nothing polls. Changes of this seat's own connection are announced too.
//
// The listening connection is also how the window learns that the server went away
// (stopped, restarted, network gone): it says so, and tries again in the background
// until the server answers, then listens again and announces both kinds of change,
// since word sent meanwhile was lost.
#include <QObject>
#include <memory>

struct pg_conn;
class QSocketNotifier;
class QThread;
class QTimer;

class StoreChanges : public QObject {
    Q_OBJECT
public:
    // Listens on the server store at `location`; nullptr when it cannot be reached.
    static std::unique_ptr<StoreChanges> Listen(const QString& location);
    ~StoreChanges() override;

    // Whether the listening connection holds (false from a loss until it is back).
    bool Connected() const { return conn_ != nullptr; }
    // How long to wait between tries while the server is away.
    void SetRetryInterval(int ms);

Q_SIGNALS:
    void FormatsChanged();
    void BillsChanged();
    // The server cannot be reached: `reason` is the connection library's. Said on the
    // loss and again after every try that failed.
    void ServerAway(const QString& reason);
    // Listening again after the server was away.
    void ServerBack();

private:
    StoreChanges(QString location, pg_conn* conn);
    void Watch(pg_conn* conn);
    void Read();
    void Lose(const QString& reason);
    void Retry();
    void TakeRetry();

    QString location_;
    pg_conn* conn_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_;
    // A try runs on a thread of its own: connecting may wait seconds on a silent network.
    struct Attempt;
    std::shared_ptr<Attempt> attempt_;
    QThread* trying_ = nullptr;
};
