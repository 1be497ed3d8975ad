#pragma once
// The login password (parameter "软件密码"): the check of the login dialog and the
// change of the "修改密码" dialog, without widgets.
#include <QString>

class Asker;
class ParamStore;

// Whether a password is set, so the login dialog must be shown.
bool LoginRequired(ParamStore& params);
// Exact, case-sensitive comparison with the stored password.
bool CheckLoginPassword(ParamStore& params, const QString& typed);
// The login dialog's button: on a wrong password shows "密码错误！".
bool Login(ParamStore& params, Asker& asker, const QString& typed);

enum class PasswordChange {
    Changed,          // stored; the dialog closes
    Mismatch,         // the new password and its repetition differ; message shown
    WrongOldPassword, // nothing stored, nothing shown; the dialog stays open
    NotStored         // the database refused the write; the dialog stays open
};
// An empty new password removes the protection.
PasswordChange ChangeLoginPassword(ParamStore& params, Asker& asker, const QString& oldPassword,
                                   const QString& newPassword, const QString& repeated);
