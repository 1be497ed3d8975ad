#pragma once
// The status bar's word on a server store's connection: nothing while it holds; while
// the server is away, which server, the connection library's reason and that it is
// tried again in the background.
#include <QLabel>

class StoreChanges;

class ServerStatus final : public QLabel {
    Q_OBJECT
public:
    // `server` names the store (host, port, database).
    ServerStatus(StoreChanges& changes, QString server, QWidget* parent = nullptr);

private:
    QString server_;
};
