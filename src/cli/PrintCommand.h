#pragma once
// The print command for one bill:
//   print FORMAT [--set LABEL=VALUE]... [--fill-dates] [--no-history] OUTPUT
// Opens the data folder's store, loads the format and fills its bill as a user
// types it: from empty boxes, automatic numbers, lists and passwords, then today's
// dates with --fill-dates, then each --set value in the order given with the entry
// aids after it (rings, sums, linked bills). Prints the bill as the window's print
// command does, then stores it in history unless --no-history is given. With --data
// or --bills the batch command runs instead (cli/BatchCommand.h).
#include "cli/SubCommand.h"

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand PrintSubCommand();
