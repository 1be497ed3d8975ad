#pragma once
// The statistics command:
//   stats FORMAT --from YYYY-MM-DD --to YYYY-MM-DD [--by day|month]
//         (--date-box LABEL | --ymd-boxes Y,M,D) (--amount-box LABEL | --count)
//         [--where LABEL=VALUE] [--chart out.png]
// Prints the period table as CSV and, with --chart, saves the chart as PNG. Box
// labels are the dialog's list entries (a group as stem + "_XX").
#include "cli/SubCommand.h"

class QSize;
struct StatsResult;

// Saves the chart of a result as PNG at `path`. Drawing it takes the window's libraries
// (charts, widgets), which a command loads only for this: whoever makes the widget
// application hands the drawing in. Without one, --chart fails with the save message.
using StatisticsChartSaver = bool (*)(const StatsResult& result, const QSize& size, const QString& path);
void UseStatisticsChartSaver(StatisticsChartSaver saver);

int RunStatsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand StatsSubCommand();
