#pragma once
// The statistics command:
//   stats FORMAT --from YYYY-MM-DD --to YYYY-MM-DD [--by day|month]
//         (--date-box LABEL | --ymd-boxes Y,M,D) (--amount-box LABEL | --count)
//         [--where LABEL=VALUE] [--chart out.png]
// Prints the period table as CSV and, with --chart, saves the chart as PNG. Box
// labels are the dialog's list entries (a group as stem + "_XX").
#include "cli/SubCommand.h"

int RunStatsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand StatsSubCommand();
