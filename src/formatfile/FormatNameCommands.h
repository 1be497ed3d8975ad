#pragma once
// The command-line side of the tree's format commands, through the same code as the
// window's popup menu; the command itself is the confirmation, so nothing is asked:
//   rename-format OLD NEW    the name rules and refusals of the window apply
//   delete-format NAME       the format the window opens at start (last used) is refused
// args[0] is the sub-command. Returns the exit code; messages go to `err`, success
// says nothing.
#include <QStringList>
class QTextStream;

int RunFormatNameCommand(const QStringList& args, QTextStream& out, QTextStream& err);
