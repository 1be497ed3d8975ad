#include "cli/PasswordCommand.h"

#include "cli/CommandArgs.h"
#include "cli/CommandPassword.h"
#include "cli/CommandStart.h"
#include "store/DatabaseKey.h"
#include "store/Login.h"
#include "store/PasswordKey.h"
#include "store/PasswordTexts.h"
#include "store/StoreTexts.h"

#include <QTextStream>

namespace {
const QString kUsage = QStringLiteral("password --new-file 文件 [--recovery-file 恢复文件] | --clear");
const QString kNewFile = QStringLiteral("--new-file");
const QString kRecoveryFile = QStringLiteral("--recovery-file");
const QString kClear = QStringLiteral("--clear");

int Change(Database& db, const QString& newPassword, const QString& recoveryFile, QTextStream& out,
           QTextStream& err) {
    // The current password was given the usual ways when the store needed one.
    switch (SetLoginPassword(db, GivenPassword(), newPassword)) {
    case PasswordChange::Changed: break;
    case PasswordChange::NotStored: err << PasswordText::kNotStored << Qt::endl; return ExitCode::kFailed;
    default: err << StoreTexts::kWrongPassword << Qt::endl; return ExitCode::kFailed;
    }
    out << (newPassword.isEmpty() ? PasswordText::kPasswordRemoved : PasswordText::kPasswordSet) << Qt::endl;
    if (!recoveryFile.isEmpty() && !WriteRecoveryFile(recoveryFile, StoreKeyText())) {
        err << PasswordText::kRecoveryNotWritten.arg(recoveryFile) << Qt::endl;
        return ExitCode::kFailed;
    }
    return ExitCode::kDone;
}

int RunPasswordCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<CommandArgs> parsed =
        CommandArgs::Read(args, {{kNewFile, true}, {kRecoveryFile, true}, {kClear, false}}, &problem);
    if (!parsed) return UsageError(err, problem, kUsage);
    const bool clear = parsed->Has(kClear);
    if (!parsed->Positional().isEmpty() || clear == parsed->Has(kNewFile)
        || (clear && parsed->Has(kRecoveryFile)))
        return UsageError(err, PasswordText::kNewOrClear, kUsage);
    QString newPassword;
    if (!clear) {
        const std::optional<QString> read = ReadPrivateLine(parsed->Value(kNewFile), err);
        if (!read) return ExitCode::kFailed;
        if (read->isEmpty()) return UsageError(err, PasswordText::kEmptyNewPassword, kUsage);
        newPassword = *read;
    }
    return RunWithStore(err, [&](Database& db) {
        return Change(db, newPassword, parsed->Value(kRecoveryFile), out, err);
    });
}
} // namespace

SubCommand PasswordSubCommand() {
    return {QStringLiteral("password"), kUsage, QStringLiteral("设置、更改或清除登录密码"), SubCommand::Needs::Core,
            RunPasswordCommand};
}
