#pragma once
// The format library on the command line, through the same code as the menus:
//   formats [--tree]                         one format name per line; --tree: the
//                                            classes of the format tree, each with its formats
//   import-format FILE.zhq [--name NAME]     a taken name is an error, not a prompt
//   export-format NAME FILE.zhq              replaces an existing file
// and rename-format and delete-format (cli/FormatNameCommands.h).
#include "cli/SubCommand.h"

#include <QList>

QList<SubCommand> FormatSubCommands();

// Runs the format command named by args[0] with the rest of `args`.
int RunFormatCommand(const QStringList& args, QTextStream& out, QTextStream& err);
