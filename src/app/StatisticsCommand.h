#pragma once
// The statistics sub-command:
//   stats FORMAT --from YYYY-MM-DD --to YYYY-MM-DD [--by day|month]
//         (--date-box LABEL | --ymd-boxes Y,M,D) (--amount-box LABEL | --count)
//         [--where LABEL=VALUE] [--chart out.png]
// Prints the period table as CSV and, with --chart, saves the chart as PNG. Box
// labels are the dialog's list entries (a group as stem + "_XX"). Exit code 0 when
// computed, 1 when the store or the chart file failed, 2 for bad arguments.
#include <QStringList>

class QTextStream;

int RunStatsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
