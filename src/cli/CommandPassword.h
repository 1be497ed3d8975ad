#pragma once
// The login password of a command, for a store keyed with one: from --password-file
// (a file only its owner may read), else from VELLUMARK_PASSWORD, else typed at the
// terminal without echo when the input is one. Asked once per command.
#include <QString>
#include <optional>

class Database;
class QTextStream;

// The --password-file of the command being run; restores the one before on leaving.
class PasswordFileScope {
public:
    explicit PasswordFileScope(const QString& path);
    ~PasswordFileScope();
    PasswordFileScope(const PasswordFileScope&) = delete;
    PasswordFileScope& operator=(const PasswordFileScope&) = delete;

private:
    QString previous_;
};

// The password given for this command (asked with `prompt` at a terminal); nullopt
// after telling `err` why there is none.
std::optional<QString> CommandPassword(QTextStream& err, const QString& prompt);
// The password given so far in this command; empty when none was needed.
QString GivenPassword();

// The first line of a file only its owner may read; nullopt after telling `err`.
std::optional<QString> ReadPrivateLine(const QString& path, QTextStream& err);

// Before opening the store: a store keyed with a password needs it. False after telling
// `err` (no password, a wrong one).
bool UnlockStoreForCommand(QTextStream& err);
// After opening: a store that keeps its password as text from an older version asks
// for it too (and is converted by the right one).
bool LoginForCommand(Database& db, QTextStream& err);
