#pragma once
// The print sub-command:
//   print FORMAT [--set LABEL=VALUE]... (--pdf FILE | --printer NAME) [--copies N]
//         [--fill-dates] [--no-history]
// Opens the data folder's database, loads the format and fills its bill as a user
// types it: from empty boxes, automatic numbers, lists and passwords, then today's
// dates with --fill-dates, then each --set value in the order given with the entry
// aids after it (rings, sums, linked bills). Prints the bill as the window's print
// command does, then stores it in history unless --no-history is given. Exit code 0
// when printed and stored; messages and errors go to `err`.
#include <QStringList>

class QTextStream;

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
