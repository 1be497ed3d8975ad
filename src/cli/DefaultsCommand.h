#pragma once
// The defaults command: the contents a format's boxes get when it opens.
//   defaults FORMAT                          lists them, one "LABEL=VALUE" a line
//   defaults FORMAT [--clear] [--set LABEL=VALUE]...
// --set types each value into the boxes of its label, the entry aids after it, as
// typing into the open format does; --clear starts from empty boxes. The result is
// stored as the window stores the boxes when the format is left, then listed.
#include "cli/SubCommand.h"

int RunDefaultsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand DefaultsSubCommand();
