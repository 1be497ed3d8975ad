#include "store/FormatHold.h"

#include "store/Database.h"
#include "store/Format.h"

#include <QFile>
#include <QElapsedTimer>
#include <QHash>
#include <QThread>
#include <QPair>

#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString HoldsPath(const Database& db) { return db.Path() + QStringLiteral(".holds"); }

// An open-file-description lock on the identity's byte: it belongs to this open
// file, not to the process, so two holds in one process see each other too.
bool LockByte(int fd, qint64 identity, short type, bool wait) {
    struct flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(identity);
    lock.l_len = 1;
    int rc;
    do rc = fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &lock);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// The server's locks of one identity: the store's schema keeps apart the stores that
// share a database. Print holds are shared, a change takes the lock alone.
const QString kServerTryShared =
    QStringLiteral("SELECT pg_try_advisory_lock_shared(hashtext(current_schema()), ?)");
const QString kServerTry = QStringLiteral("SELECT pg_try_advisory_lock(hashtext(current_schema()), ?)");
const QString kServerUnlockShared =
    QStringLiteral("SELECT pg_advisory_unlock_shared(hashtext(current_schema()), ?)");
const QString kServerUnlock = QStringLiteral("SELECT pg_advisory_unlock(hashtext(current_schema()), ?)");
// How often a print looks again while a change holds its format.
constexpr int kServerRetryMs = 20;

// A connection's own locks never stand in its way, where two holds on one file do:
// this process's print holds per connection and identity refuse its own changes.
QHash<QPair<const Database*, qint64>, int>& PrintHoldsHere() {
    static QHash<QPair<const Database*, qint64>, int> holds;
    return holds;
}

// The lock's key: the identity within the 32 bits the two-part key gives it.
qint32 ServerKey(qint64 identity) { return qint32(identity & 0x7fffffff); }

// Whether the server gave the lock; nullopt when it could not be asked (then the
// work that follows meets the same fault and reports it).
std::optional<bool> TryServerLock(Database& db, const QString& sql, qint64 identity) {
    const QueryResult taken = db.Query(sql, {ServerKey(identity)});
    if (taken.failed || taken.Empty()) return std::nullopt;
    return taken.rows.first().value(0).toBool();
}

} // namespace

qint64 FormatIdentity(Database& db, const QString& name) {
    const QueryResult result = db.Query(
        QStringLiteral("SELECT min(ID) FROM Fmt WHERE Fmt=? AND LBL=?"), {name, kPageParamsLabel});
    return result.Empty() ? 0 : result.rows.first().value(0).toLongLong();
}

QString FormatNameOf(Database& db, qint64 identity) {
    const QueryResult result = db.Query(
        QStringLiteral("SELECT Fmt FROM Fmt WHERE ID=? AND LBL=?"), {identity, kPageParamsLabel});
    return result.Empty() ? QString() : result.rows.first().value(0).toString();
}

FormatHold::FormatHold(Database& db, const QString& name, Purpose purpose) {
    identity_ = FormatIdentity(db, name);
    if (identity_ <= 0) return;
    if (db.IsServer()) {
        purpose_ = purpose;
        HoldOnServer(db);
        return;
    }
    fd_ = ::open(QFile::encodeName(HoldsPath(db)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // Without the file (a read-only folder) nothing could write the format anyway.
    if (fd_ < 0) return;
    held_ = purpose == Purpose::Print ? LockByte(fd_, identity_, F_RDLCK, true)
                                      : LockByte(fd_, identity_, F_WRLCK, false);
}

void FormatHold::HoldOnServer(Database& db) {
    const QPair<const Database*, qint64> here{&db, identity_};
    std::optional<bool> locked;
    if (purpose_ == Purpose::Change) {
        if (PrintHoldsHere().value(here) > 0) {
            held_ = false;
            return;
        }
        locked = TryServerLock(db, kServerTry, identity_);
        held_ = locked.value_or(true);
    } else {
        // A print waits for a change under way, as long as the store waits for a busy
        // file; a lock never given (a seat gone quiet) does not stop it for good.
        QElapsedTimer waited;
        waited.start();
        while ((locked = TryServerLock(db, kServerTryShared, identity_)) == false
               && waited.elapsed() < Database::CurrentBusyWait().limitMs)
            QThread::msleep(kServerRetryMs);
        if (locked == true) ++PrintHoldsHere()[here];
        held_ = locked.value_or(true);
    }
    if (locked == true) server_ = &db;
}

FormatHold::~FormatHold() {
    if (fd_ >= 0) ::close(fd_);
    if (!server_) return;
    if (purpose_ == Purpose::Print) {
        const QPair<const Database*, qint64> here{server_, identity_};
        if (--PrintHoldsHere()[here] <= 0) PrintHoldsHere().remove(here);
    }
    server_->ExecAfterwards(purpose_ == Purpose::Print ? kServerUnlockShared : kServerUnlock,
                            {ServerKey(identity_)});
}
