#include "cli/StoreCommands.h"

#include "cli/FormatCommands.h"
#include "cli/PasswordCommand.h"

const QList<SubCommand>& StoreSubCommands() {
    static const QList<SubCommand> table = FormatSubCommands() + QList<SubCommand>{PasswordSubCommand()};
    return table;
}
