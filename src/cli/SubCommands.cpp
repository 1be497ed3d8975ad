// The table of commands. A command is one file of this folder that offers its row;
// the dispatcher and main need no change.
#include "cli/AddCommand.h"
#include "cli/CalibrateCommand.h"
#include "cli/CommandLine.h"
#include "cli/CommandStart.h"
#include "cli/DefaultsCommand.h"
#include "cli/DesignFromScanCommand.h"
#include "cli/FormatCommands.h"
#include "cli/HistoryCommand.h"
#include "cli/ImportDataCommand.h"
#include "cli/PasswordCommand.h"
#include "cli/PrintCommand.h"
#include "cli/PrinterProfileCommand.h"
#include "cli/RestoreBackupCommand.h"
#include "cli/SamplesCommand.h"
#include "cli/StatisticsCommand.h"
#include "cli/StoreCommand.h"
#include "print/PrinterCorrection.h"

namespace {

// Print jobs started by a command use the printer profiles of the store it opened.
int WithPrinterProfiles(Database& db, const std::function<int(Database&)>& body) {
    const PrinterProfileSource profiles(db);
    return body(db);
}

} // namespace

const QList<SubCommand>& SubCommands() {
    WrapStoreBodies(WithPrinterProfiles);
    static const QList<SubCommand> table = QList<SubCommand>{PrintSubCommand(), HistorySubCommand(),
                                                             DefaultsSubCommand()}
                                           + FormatSubCommands()
                                           + QList<SubCommand>{ImportDataSubCommand(), StatsSubCommand(),
                                                               RestoreBackupSubCommand(), SamplesSubCommand(),
                                                               PasswordSubCommand(), AddSubCommand(),
                                                               StoreSubCommand()}
                                           + QList<SubCommand>{PrinterProfileSubCommand(), CalibrateSubCommand(),
                                                               DesignFromScanSubCommand()};
    return table;
}
