// The table of sub-commands. A module that offers a command line entry point adds
// one row here; the dispatcher and main need no change.
#include "app/CommandLine.h"

const QList<SubCommand>& SubCommands() {
    static const QList<SubCommand> table = {};
    return table;
}
