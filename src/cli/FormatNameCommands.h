#pragma once
// The format tree's rename and delete on the command line, through the same code as
// the window's popup menu; the command itself is the confirmation, so nothing is asked.
// The name rules and refusals of the window apply; delete refuses the format the
// window opens at start (the last used). Messages go to `err`, success says nothing.
//   rename-format OLD NEW
//   delete-format NAME
#include "cli/SubCommand.h"

SubCommand RenameFormatSubCommand();
SubCommand DeleteFormatSubCommand();
