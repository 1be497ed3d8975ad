#pragma once
// The print sub-command:
//   print FORMAT [--set LABEL=VALUE]... (--pdf FILE | --printer NAME) [--copies N]
//         [--no-history]
// Opens the data folder's database, loads the format, fills boxes by label (each
// value converted by its box's data type) and prints the bill as the window's print
// command does, then stores it in history unless --no-history is given. Exit code 0
// when printed and stored; messages and errors go to `err`.
#include <QStringList>

class QTextStream;

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
