#pragma once
// The print sub-command:
//   print FORMAT [--set LABEL=VALUE]... (--pdf FILE | --printer NAME) [--copies N]
// Opens the data folder's database, loads the format, fills boxes by label (each
// value converted by its box's data type) and prints the bill as the window's print
// command does. Exit code 0 when printed; messages and errors go to `err`.
#include <QStringList>

class QTextStream;

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
