#pragma once
// The login password: the check at start-up and the change of the "修改密码" dialog and
// the password command, without widgets. A password keys the store's file
// (PasswordKey.h); the parameter "软件密码" keeps no password of its own from then on.
// Stores written before keep it there as text until their first login converts them.
#include <QString>

class Asker;
class Database;

// Whether a store opened with the fixed key still keeps a password as text, so the
// login must be asked for after opening it.
bool LoginRequired(Database& db);
// Whether `typed` is the store's password now: the one its key derives from, else the
// kept text, else none (an empty `typed`). Compared in constant time.
bool CheckLoginPassword(Database& db, const QString& typed);
// The login of a store that keeps its password as text: a right one converts the store
// to the password's key (when no other process has it open; else on a later login).
// A wrong one waits and counts as LoginDelay.h says.
bool Login(Database& db, const QString& typed);

enum class PasswordChange {
    Changed,          // stored; the dialog closes
    Mismatch,         // the new password and its repetition differ; message shown
    WrongOldPassword, // nothing stored, nothing shown; the dialog stays open
    NotStored         // the file could not be re-keyed (another process has it open)
};
// Re-keys the store with `newPassword` (empty: no password) when `current` is right.
PasswordChange SetLoginPassword(Database& db, const QString& current, const QString& newPassword);
// The dialog's button: the repetition must match, then as SetLoginPassword.
PasswordChange ChangeLoginPassword(Database& db, Asker& asker, const QString& oldPassword,
                                   const QString& newPassword, const QString& repeated);
