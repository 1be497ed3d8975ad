#pragma once
// The add command for one bill, the window's "添加下一张单据":
//   add FORMAT [--set LABEL=VALUE]... [--fill-dates]
// Fills the bill as the print command does, through the same controller, and stores it
// in history without printing it.
#include "cli/SubCommand.h"

int RunAddCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand AddSubCommand();
