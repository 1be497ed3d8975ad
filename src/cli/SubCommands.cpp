// The table of commands. A command is one file of this folder that offers its row;
// the dispatcher and main need no change.
#include "cli/CommandLine.h"
#include "cli/DefaultsCommand.h"
#include "cli/FormatCommands.h"
#include "cli/HistoryCommand.h"
#include "cli/ImportDataCommand.h"
#include "cli/PasswordCommand.h"
#include "cli/PrintCommand.h"
#include "cli/RestoreBackupCommand.h"
#include "cli/SamplesCommand.h"
#include "cli/StatisticsCommand.h"
#include "cli/StoreCommand.h"

const QList<SubCommand>& SubCommands() {
    static const QList<SubCommand> table = QList<SubCommand>{PrintSubCommand(), HistorySubCommand(),
                                                             DefaultsSubCommand()}
                                           + FormatSubCommands()
                                           + QList<SubCommand>{ImportDataSubCommand(), StatsSubCommand(),
                                                               RestoreBackupSubCommand(), SamplesSubCommand(),
                                                               PasswordSubCommand(), StoreSubCommand()};
    return table;
}
