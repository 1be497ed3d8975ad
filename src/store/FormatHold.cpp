#include "store/FormatHold.h"

#include "store/Database.h"
#include "store/Format.h"

#include <QFile>

#include <cerrno>
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
    fd_ = ::open(QFile::encodeName(HoldsPath(db)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // Without the file (a read-only folder) nothing could write the format anyway.
    if (fd_ < 0) return;
    held_ = purpose == Purpose::Print ? LockByte(fd_, identity_, F_RDLCK, true)
                                      : LockByte(fd_, identity_, F_WRLCK, false);
}

FormatHold::~FormatHold() {
    if (fd_ >= 0) ::close(fd_);
}
