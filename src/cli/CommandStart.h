#pragma once
// What every command shares: its exit codes, how a usage error is told, and the one
// start-up of a command that uses the store (open it, run, report what the store met).
#include <QString>
#include <functional>

class Database;
class QTextStream;

namespace ExitCode {
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
} // namespace ExitCode

// Writes the problem and the command's usage line to `err`; returns kUsage.
int UsageError(QTextStream& err, const QString& problem, const QString& usage);

// Opens the data folder's store (the busy wait and the damaged-store advice
// included), runs `body` on it and reports a fault the store met while it ran.
// kFailed when the store could not be opened.
int RunWithStore(QTextStream& err, const std::function<int(Database&)>& body);

// What the commands beyond the store's own set up around a body run on the store (the
// printer profiles their print jobs use). The table of those commands hands it in, as
// this start-up is also the program's own, which links no printing code.
using StoreBodyWrapper = int (*)(Database& db, const std::function<int(Database&)>& body);
void WrapStoreBodies(StoreBodyWrapper wrapper);

// True when a format of this name exists; otherwise says so on `err`.
bool FormatExists(Database& db, const QString& name, QTextStream& err);

// A command waiting for another process's lock says so on `err` once per wait.
void NoteBusyWaitsOn(QTextStream& err);

// A box value on one line: its line breaks shown as the user's line-break marker, so
// the line can be typed back the same way.
QString OnOneLine(QString value, const QString& marker);
