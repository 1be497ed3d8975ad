#pragma once
// A print job holds its format for as long as it runs, so that no other process
// renames, deletes or re-saves it underneath the job. A format's identity is the ID
// of its page-parameter row, which a rename keeps. The holds are locks on one byte per
// identity of a file beside the database ("DATA.db.holds"): many jobs may hold a
// format at once, a change needs it alone and is refused while a job holds it, and
// a job waits for a change already under way. The system drops the locks of a
// process that ends, however it ends, so a killed job blocks nothing. On a server store
// the holds are the server's advisory locks of the connection instead, so they hold
// across every seat, and the server drops them with a connection that ends.
#include <QString>
#include <QtGlobal>

class Database;

// The format's identity; 0 when it has no page-parameter row.
qint64 FormatIdentity(Database& db, const QString& name);
// The format's name now; empty when the format is gone.
QString FormatNameOf(Database& db, qint64 identity);

class FormatHold {
public:
    enum class Purpose { Print, Change };
    // Print: waits while a change holds the format. Change: takes it only when no job
    // holds it (else Held() is false). A format without identity holds nothing.
    FormatHold(Database& db, const QString& name, Purpose purpose);
    ~FormatHold();
    FormatHold(const FormatHold&) = delete;
    FormatHold& operator=(const FormatHold&) = delete;

    // Whether the hold was taken (always true for a format without identity, so that
    // the caller's own check for a missing format decides).
    bool Held() const { return held_; }
    qint64 Identity() const { return identity_; }

private:
    void HoldOnServer(Database& db);

    qint64 identity_ = 0;
    int fd_ = -1;
    bool held_ = true;
    Database* server_ = nullptr; // set while a server lock is held, to release it
    Purpose purpose_ = Purpose::Print;
};
