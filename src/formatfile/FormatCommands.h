#pragma once
// The command-line side of format files and of the format tree, through the same code
// as the menus:
//   formats                                  one format name per line
//   import-format FILE.zhq [--name NAME]     a taken name is an error, not a prompt
//   export-format NAME FILE.zhq              replaces an existing file
//   rename-format OLD NEW, delete-format NAME  as the format tree's popup menu, unasked
// args[0] is the sub-command. Returns the exit code; messages go to `err`.
#include <QStringList>
class QTextStream;

int RunFormatCommand(const QStringList& args, QTextStream& out, QTextStream& err);
