#include "cli/RestoreBackupCommand.h"

#include "app/SingleInstance.h"
#include "cli/CommandStart.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/DataFolderCheck.h"
#include "store/StoreTexts.h"

#include <QTextStream>

namespace {
constexpr int kFailed = ExitCode::kFailed;
const QString kUsage = QStringLiteral("restore-backup [备份文件]");
} // namespace

int RunRestoreBackupCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
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
    const RestoreOutcome outcome = RestoreBackup(backup);
    if (!outcome.restored) {
        err << outcome.problem << Qt::endl;
        return kFailed;
    }
    out << StoreTexts::Restored(backup, outcome.keptAs) << Qt::endl;
    return 0;
}

SubCommand RestoreBackupSubCommand() {
    return {QStringLiteral("restore-backup"), kUsage, QStringLiteral("用备份（默认最近的一个）恢复数据库"),
            SubCommand::Needs::Core, RunRestoreBackupCommand};
}
