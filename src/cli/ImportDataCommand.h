#pragma once
// The import-data command:
//   import-data FORMAT FILE [--sheet NAME] [--map LABEL=EXPR]... [--rows A-B]
//               [--interval N] [--marker COL] [--save-mapping]
// Runs the format's column mapping and row settings (each option overrides them for
// this run; --save-mapping stores the result as the mapping dialog's OK does) over
// the file and writes the bill-data rows as CSV to `out`: a header of box labels,
// then one line per bill.
#include "cli/SubCommand.h"

int RunImportDataCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand ImportDataSubCommand();
