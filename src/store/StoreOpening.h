#pragma once
// Opening the data folder's store at start-up, for the window and every command:
// the folder is checked, a new file is created race-free, a file left by a session
// that did not close is checked whole, the layout upgraded and the day's backup made.
#include "store/Database.h"

#include <QString>
#include <memory>

class QTextStream;

struct StoreOpening {
    std::unique_ptr<Database> db;
    StoreFault fault = StoreFault::None; // why `db` is null
    QString message;                     // what the user is told then
};

StoreOpening OpenStore();
// The data folder's file, whatever server the seat has chosen.
StoreOpening OpenFileStore();
// The server store at `location`, its tables made or upgraded; the message names the
// server and its reason when it cannot be used.
StoreOpening OpenServerStore(const QString& location);

// The message for a failure the user should hear about (busy, damaged, disk full);
// empty for the others, which the caller reports in its own words.
QString FaultMessage(StoreFault fault, const QString& path);

// For a sub-command: the store, or nullptr after writing why to `err`.
std::unique_ptr<Database> OpenStoreForCommand(QTextStream& err);
std::unique_ptr<Database> OpenFileStoreForCommand(QTextStream& err);
// After a sub-command that returned `code`: writes to `err` what the user must know
// about a failure the store met (a damaged file even when the command went on), and
// returns the exit code then.
int FinishStoreCommand(const Database& db, int code, QTextStream& err);
