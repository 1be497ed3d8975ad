#pragma once
// The commands that need only the store and the format files (listing, importing,
// exporting, renaming and deleting formats; the login password). The program runs
// them itself, without loading the libraries of printing, spreadsheets and drawing;
// each is also in the table of all commands (SubCommands()), which `help` lists.
#include "cli/SubCommand.h"

#include <QList>

const QList<SubCommand>& StoreSubCommands();
