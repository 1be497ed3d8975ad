#include "store/Login.h"

#include "core/Asker.h"
#include "store/ParamStore.h"
#include "store/StoreTexts.h"

namespace {
const QString kPasswordKey = QStringLiteral("软件密码");
}

bool LoginRequired(ParamStore& params) { return !params.GetParam(kPasswordKey).isEmpty(); }

bool CheckLoginPassword(ParamStore& params, const QString& typed) {
    return typed == params.GetParam(kPasswordKey);
}

bool Login(ParamStore& params, Asker& asker, const QString& typed) {
    if (CheckLoginPassword(params, typed)) return true;
    asker.Message(StoreTexts::kWrongPassword);
    return false;
}

PasswordChange ChangeLoginPassword(ParamStore& params, Asker& asker, const QString& oldPassword,
                                   const QString& newPassword, const QString& repeated) {
    if (newPassword != repeated) {
        asker.Message(StoreTexts::kNewPasswordsDiffer);
        return PasswordChange::Mismatch;
    }
    if (!CheckLoginPassword(params, oldPassword)) return PasswordChange::WrongOldPassword;
    return params.SetParam(kPasswordKey, newPassword) ? PasswordChange::Changed
                                                      : PasswordChange::NotStored;
}
