#pragma once
// The restore-backup command:
//   restore-backup [FILE]
// Puts the backup FILE (default: the newest in the data folder's Backup folder) in
// place of the database, keeping the file it replaces. Refused while a window of the
// data folder is open. Exit code 0 when restored.
#include "cli/SubCommand.h"

int RunRestoreBackupCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand RestoreBackupSubCommand();
