#include "store/Login.h"

#include "core/Asker.h"
#include "store/Database.h"
#include "store/LoginDelay.h"
#include "store/ParamStore.h"
#include "store/PasswordKey.h"
#include "store/StoreTexts.h"

namespace {
const QString kPasswordKey = QStringLiteral("软件密码");

QString KeptText(Database& db) { return ParamStore(db).GetParam(kPasswordKey); }
} // namespace

bool LoginRequired(Database& db) { return !KeptText(db).isEmpty(); }

bool CheckLoginPassword(Database& db, const QString& typed) {
    if (UsingPasswordKey()) return IsStorePassword(db.Path(), typed);
    const QString kept = KeptText(db);
    return kept.isEmpty() ? typed.isEmpty() : SameSecret(typed.toUtf8(), kept.toUtf8());
}

bool Login(Database& db, const QString& typed) {
    WaitForLoginTurn(db.Path());
    const bool right = CheckLoginPassword(db, typed);
    NoteLoginOutcome(db.Path(), right);
    if (right && !KeptText(db).isEmpty()) SetLoginPassword(db, typed, typed);
    return right;
}

PasswordChange SetLoginPassword(Database& db, const QString& current, const QString& newPassword) {
    if (!CheckLoginPassword(db, current)) return PasswordChange::WrongOldPassword;
    if (!RekeyStore(db, newPassword)) return PasswordChange::NotStored;
    // The text a store of an older version kept goes; the key now says it all.
    ParamStore(db).SetParam(kPasswordKey, QString());
    return PasswordChange::Changed;
}

PasswordChange ChangeLoginPassword(Database& db, Asker& asker, const QString& oldPassword,
                                   const QString& newPassword, const QString& repeated) {
    if (newPassword != repeated) {
        asker.Message(StoreTexts::kNewPasswordsDiffer);
        return PasswordChange::Mismatch;
    }
    return SetLoginPassword(db, oldPassword, newPassword);
}
