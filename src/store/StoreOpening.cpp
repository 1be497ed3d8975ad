#include "store/StoreOpening.h"

#include "store/BackgroundPictures.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/DataFolderCheck.h"
#include "store/Schema.h"
#include "store/SessionMarks.h"
#include "store/StaleSharedMemory.h"
#include "store/StoreLocation.h"
#include "store/StoreTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

#include <sqlcipher/sqlite3.h>

namespace {

// The log and its index stay beside the store between sessions; the last session to
// close empties the log into the store and truncates it. Making and deleting both
// files on every start and end cost a command more than reading the store.
constexpr char kKeepLogLimit[] = "PRAGMA journal_size_limit=4194304";

void KeepLogFilesBetweenSessions(Database& db) {
    int keep = 1;
    sqlite3_file_control(db.Handle(), "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
    db.Exec(QString::fromLatin1(kKeepLogLimit));
}

StoreOpening Failed(StoreFault fault, const QString& message) {
    StoreOpening opening;
    opening.fault = fault;
    opening.message = message;
    return opening;
}

// Several processes starting on an empty folder: one builds the file aside under a
// lock and renames it into place whole; the others wait and then open it.
bool CreateIfMissing(const QString& path) {
    if (QFileInfo::exists(path)) return true;
    QLockFile lock(path + QStringLiteral(".creating"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(Database::CurrentBusyWait().limitMs)) return false;
    if (QFileInfo::exists(path)) return true;
    const QString part =
        path + QStringLiteral(".new-") + QString::number(QCoreApplication::applicationPid());
    bool built;
    {
        std::unique_ptr<Database> db = Database::Open(part);
        built = db && UpgradeSchema(*db);
    }
    built = built && QFile::rename(part, path);
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(part + QString::fromLatin1(suffix));
    return built;
}

// After a session that did not close, and after malformed pages were met, the whole
// file is checked before anything is written to it.
bool PassesCheckAfterUncleanEnd(Database& db) {
    const QString mark = Database::CheckMarkPath(db.Path());
    const EndedSessionMarks ended = TakeEndedSessionMarks();
    if (ended.isEmpty() && !QFileInfo::exists(mark)) return true;
    // Kept until the check passes, so a crash during the check leaves it pending.
    QFile(mark).open(QIODevice::WriteOnly);
    if (!db.CheckIntegrity()) return false;
    QFile::remove(mark);
    return true;
}

} // namespace

// A server store: no file, no folder checks, no backups (the server's own business).
StoreOpening OpenServerStore(const QString& location) {
    StoreOpening opening;
    QString reason;
    opening.db = Database::OpenServer(location, &reason, &opening.fault);
    if (!opening.db) return Failed(opening.fault, StoreTexts::ServerAway(reason));
    if (!UpgradeSchema(*opening.db)) {
        const QString why = opening.db->Path() + QStringLiteral("：") + opening.db->LastError();
        const StoreFault fault = opening.db->LastFault();
        return Failed(fault, fault == StoreFault::Refused ? StoreTexts::kServerRefused
                                                          : StoreTexts::ServerAway(why));
    }
    UseSeatPictureCopies(opening.db->Path());
    return opening;
}

StoreOpening OpenStore() {
    if (const QString server = StoreLocation::Server(); !server.isEmpty())
        return OpenServerStore(server);
    return OpenFileStore();
}

StoreOpening OpenFileStore() {
    UseSeatPictureCopies({});
    const QString folder = DataFolder::Path();
    const QString path = DataFolder::DatabasePath();
    if (const QString problem = DataFolderProblem(folder, path); !problem.isEmpty())
        return Failed(StoreFault::ReadOnly, problem);
    RecoverStaleSharedMemory(path);
    const bool isNew = !QFileInfo::exists(path);
    if (!CreateIfMissing(path)) return Failed(StoreFault::Other, StoreTexts::kNoConnection);

    StoreOpening opening;
    QString error;
    opening.db = Database::Open(path, &error, &opening.fault);
    if (!opening.db) {
        const QString message = FaultMessage(opening.fault, path);
        return Failed(opening.fault, message.isEmpty() ? error : message);
    }
    Database& db = *opening.db;
    KeepLogFilesBetweenSessions(db);
    if (!PassesCheckAfterUncleanEnd(db) || !UpgradeSchema(db)
        || (!isNew && !BackUpOncePerDay(db) && db.Damaged())) {
        const StoreFault fault = db.Damaged() ? StoreFault::Damaged : db.LastFault();
        const QString message = FaultMessage(fault, path);
        return Failed(fault, message.isEmpty() ? StoreTexts::kNoConnection : message);
    }
    db.HoldUntilClosed(MarkSessionOpen());
    return opening;
}

QString FaultMessage(StoreFault fault, const QString& path) {
    switch (fault) {
    case StoreFault::Busy: return StoreTexts::kBusy;
    case StoreFault::Damaged: return StoreTexts::Damaged(path);
    case StoreFault::DiskFull: return StoreTexts::kDiskFull;
    case StoreFault::Refused: return StoreTexts::kServerRefused;
    case StoreFault::ServerAway: return StoreTexts::ServerAway(path);
    default: return {};
    }
}

namespace {
constexpr int kCommandFailed = 1;

void ReportFault(StoreFault fault, const QString& message, QTextStream& err) {
    err << message << Qt::endl;
    if (fault == StoreFault::Damaged) err << StoreTexts::kRestoreHint << Qt::endl;
}

std::unique_ptr<Database> ForCommand(StoreOpening opening, QTextStream& err) {
    if (!opening.db) ReportFault(opening.fault, opening.message, err);
    return std::move(opening.db);
}
} // namespace

std::unique_ptr<Database> OpenStoreForCommand(QTextStream& err) { return ForCommand(OpenStore(), err); }

std::unique_ptr<Database> OpenFileStoreForCommand(QTextStream& err) { return ForCommand(OpenFileStore(), err); }

int FinishStoreCommand(const Database& db, int code, QTextStream& err) {
    const StoreFault fault = db.Damaged() ? StoreFault::Damaged : db.LastFault();
    const QString message = FaultMessage(fault, db.FaultWhere());
    if (message.isEmpty() || (code == 0 && fault != StoreFault::Damaged)) return code;
    ReportFault(fault, message, err);
    return code == 0 ? kCommandFailed : code;
}

std::unique_ptr<Database> OpenDataDatabase(QString* error) {
    StoreOpening opening = OpenStore();
    if (!opening.db && error) *error = opening.message;
    return std::move(opening.db);
}
