#include "cli/RestoreBackupCommand.h"

#include "app/SingleInstance.h"
#include "cli/CommandArgs.h"
#include "cli/CommandPassword.h"
#include "cli/CommandStart.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/DataFolderCheck.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/PasswordKey.h"
#include "store/PasswordTexts.h"
#include "store/StoreTexts.h"

#include <QTextStream>

namespace {
constexpr int kFailed = ExitCode::kFailed;
const QString kUsage = QStringLiteral("restore-backup [备份文件] [--recovery-file 恢复文件]");
const QString kRecoveryFile = QStringLiteral("--recovery-file");

// Makes the key that opens `backup` the process's: the recovery file's, the fixed one,
// or the key of the password it was made under. False after telling `err`.
bool UnlockBackup(const QString& backup, const QString& recoveryFile, QTextStream& err) {
    if (!recoveryFile.isEmpty()) {
        const QByteArray key = ReadRecoveryFile(recoveryFile);
        if (key.isEmpty() || !FileOpensWith(backup, key)) {
            err << (key.isEmpty() ? PasswordText::NotRecoveryFile(recoveryFile)
                                  : PasswordText::RecoveryFileNoMatch(recoveryFile))
                << Qt::endl;
            return false;
        }
        UseStoreKey(key);
        return true;
    }
    const QString store = DataFolder::DatabasePath();
    UseStoreKey({});
    // A backup that opens with no key at all is left for the restore to refuse.
    if (FileOpensWith(backup, FixedStoreKey()) || !HasPasswordSalt(store)) return true;
    const std::optional<QString> password = CommandPassword(err, PasswordText::kBackupPrompt);
    if (!password) return false;
    if (UnlockWithPassword(store, backup, *password)) return true;
    err << StoreTexts::kWrongPassword << Qt::endl;
    return false;
}

// A store restored with the recovery file is one whose password was forgotten: it is
// put back on the fixed key for the user to set a new password.
bool ClearForgottenPassword(QTextStream& out) {
    const std::unique_ptr<Database> db = Database::Open(DataFolder::DatabasePath());
    if (!db || !RekeyStore(*db, {})) return false;
    out << PasswordText::kPasswordCleared << Qt::endl;
    return true;
}
} // namespace

int RunRestoreBackupCommand(const QStringList& given, QTextStream& out, QTextStream& err) {
    QString misuse;
    const std::optional<CommandArgs> parsed = CommandArgs::Read(given, {{kRecoveryFile, true}}, &misuse);
    if (!parsed) return UsageError(err, misuse, kUsage);
    const QStringList& args = parsed->Positional();
    if (args.size() > 1 || (args.size() == 1 && (args[0].isEmpty() || args[0].startsWith(u'-'))))
        return UsageError(err, QStringLiteral("最多一个备份文件"), kUsage);
    if (const QString problem = DataFolderProblem(DataFolder::Path(), DataFolder::DatabasePath());
        !problem.isEmpty()) {
        err << problem << Qt::endl;
        return kFailed;
    }
    // The window keeps the file open; swapping it underneath would lose its work.
    const SingleInstance window(DataFolder::Path());
    if (!window.Acquired()) {
        err << StoreTexts::kWindowStillOpen << Qt::endl;
        return kFailed;
    }
    const QString backup = args.isEmpty() ? BackupFiles().value(0) : args[0];
    if (backup.isEmpty()) {
        err << StoreTexts::kNoBackup << Qt::endl;
        return kFailed;
    }
    const QString recoveryFile = parsed->Value(kRecoveryFile);
    if (!UnlockBackup(backup, recoveryFile, err)) return kFailed;
    const RestoreOutcome outcome = RestoreBackup(backup);
    if (!outcome.restored) {
        err << outcome.problem << Qt::endl;
        return kFailed;
    }
    out << StoreTexts::Restored(backup, outcome.keptAs) << Qt::endl;
    if (!recoveryFile.isEmpty() && !ClearForgottenPassword(out)) return kFailed;
    return 0;
}

SubCommand RestoreBackupSubCommand() {
    return {QStringLiteral("restore-backup"), kUsage, QStringLiteral("用备份（默认最近的一个）恢复数据库"),
            SubCommand::Needs::Core, RunRestoreBackupCommand};
}
