#pragma once
// Word from a server store that another seat changed it: formats added, saved, renamed
// or deleted, or bills stored or deleted. The server's triggers (ServerSchema) send it
// when the change commits; a connection of its own waits for it in the event loop, so
// nothing polls. Changes of this seat's own connection are announced too.
#include <QObject>
#include <memory>

struct pg_conn;
class QSocketNotifier;

class StoreChanges : public QObject {
    Q_OBJECT
public:
    // Listens on the server store at `location`; nullptr when it cannot be reached.
    static std::unique_ptr<StoreChanges> Listen(const QString& location);
    ~StoreChanges() override;

Q_SIGNALS:
    void FormatsChanged();
    void BillsChanged();

private:
    explicit StoreChanges(pg_conn* conn);
    void Read();

    pg_conn* conn_;
    QSocketNotifier* notifier_;
};
