#include "cli/StatisticsCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandStart.h"
#include "stats/Statistics.h"
#include "stats/StatsBoxes.h"
#include "stats/StatsTexts.h"
#include "store/Database.h"

#include <QSize>
#include <QTextStream>

namespace {

const QSize kChartSize(1000, 600);

StatisticsChartSaver chartSaver = nullptr;

const QString kUsage = QStringLiteral(
    "stats 格式 --from 开始日期 --to 截止日期 [--by day|month] (--date-box 标签 | --ymd-boxes 年,月,日) "
    "(--amount-box 标签 | --count) [--where 标签=内容] [--chart 图表.png]");

const QList<CommandOption> kOptions = {
    {QStringLiteral("--from"), true},       {QStringLiteral("--to"), true},
    {QStringLiteral("--by"), true},         {QStringLiteral("--date-box"), true},
    {QStringLiteral("--ymd-boxes"), true},  {QStringLiteral("--amount-box"), true},
    {QStringLiteral("--where"), true},      {QStringLiteral("--chart"), true},
    {QStringLiteral("--count")}};

struct StatsArgs {
    StatsRequest request;
    QString chart;
    bool amountGiven = false;
    bool countGiven = false;
};

QString ParseDate(const QString& text, QDate& date) {
    date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? QString() : CliText::BadValue(QStringLiteral("日期"), text, QStringLiteral("YYYY-MM-DD"));
}

// One option with its value; empty when well formed.
QString ParseOption(const QString& option, const QString& value, StatsArgs& parsed) {
    StatsRequest& request = parsed.request;
    if (option == u"--from") return ParseDate(value, request.from);
    if (option == u"--to") return ParseDate(value, request.to);
    if (option == u"--by") {
        if (value != u"day" && value != u"month") return QStringLiteral("--by 只能是 day 或 month");
        request.period = value == u"day" ? StatsPeriod::Day : StatsPeriod::Month;
    } else if (option == u"--date-box") {
        request.dateBox = value;
    } else if (option == u"--ymd-boxes") {
        const QStringList parts = value.split(u',');
        if (parts.size() != 3) return QStringLiteral("--ymd-boxes 需要 年,月,日 三个标签");
        request.combinedDate = true;
        request.yearBox = parts[0];
        request.monthBox = parts[1];
        request.dayBox = parts[2];
    } else if (option == u"--amount-box") {
        request.amountBox = value;
        parsed.amountGiven = true;
    } else if (option == u"--where") {
        const auto assignment = ReadAssignment(value);
        if (!assignment) return CliText::BadValue(option, value, CliText::kExpectAssignment);
        request.conditional = true;
        request.conditionBox = assignment->first;
        request.conditionValue = assignment->second;
    } else if (option == u"--chart") {
        parsed.chart = value;
    }
    return QString();
}

QString Parse(const QStringList& args, StatsArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(args, kOptions, &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.request.formatName = read->Positional().first();
    if (read->Has(QStringLiteral("--count"))) {
        parsed.countGiven = true;
        parsed.request.content = StatsContent::Count;
    }
    for (const CommandOption& option : kOptions) {
        if (!option.takesValue) continue;
        if (const std::optional<QString> value = read->OptionalValue(option.name))
            if (const QString error = ParseOption(option.name, *value, parsed); !error.isEmpty()) return error;
    }
    const StatsRequest& request = parsed.request;
    if (!request.from.isValid() || !request.to.isValid()) return QStringLiteral("需要 --from 和 --to");
    if (!request.dateBox.isEmpty() && request.combinedDate)
        return QStringLiteral("--date-box 和 --ymd-boxes 只能用一个");
    if (parsed.amountGiven == parsed.countGiven) return QStringLiteral("--amount-box 和 --count 需要且只能用一个");
    if (const std::optional<QString> refused = CheckRequest(request)) return *refused;
    return QString();
}

// A label that names no box of its list would give an empty table without saying why.
QString UnknownBox(const QList<StatsBox>& boxes, const StatsRequest& request) {
    QList<std::pair<StatsBoxList, QString>> named;
    if (request.combinedDate)
        named << std::pair{StatsBoxList::Year, request.yearBox} << std::pair{StatsBoxList::Month, request.monthBox}
              << std::pair{StatsBoxList::Day, request.dayBox};
    else
        named << std::pair{StatsBoxList::WholeDate, request.dateBox};
    if (request.content == StatsContent::Amount) named << std::pair{StatsBoxList::Amount, request.amountBox};
    if (request.conditional) named << std::pair{StatsBoxList::Condition, request.conditionBox};
    for (const auto& [list, label] : named)
        if (BoxesOfChoice(boxes, list, label).isEmpty())
            return QStringLiteral("没有可用的内容框: %1（可选: %2）")
                .arg(label, BoxChoices(boxes, list).join(QStringLiteral("、")));
    return QString();
}

int Compute(Database& db, const StatsArgs& parsed, QTextStream& out, QTextStream& err) {
    const StatsRequest& request = parsed.request;
    if (!FormatExists(db, request.formatName, err)) return ExitCode::kFailed;
    if (const QString unknown = UnknownBox(ReadStatsBoxes(db, request.formatName), request); !unknown.isEmpty())
        return UsageError(err, unknown, kUsage);
    const StatsResult result = ComputeStatistics(db, request);
    if (result.failed) {
        err << StatsText::kReadFailed << db.LastError() << Qt::endl;
        return ExitCode::kFailed;
    }
    out << result.Csv();
    out.flush();
    if (result.skippedBills > 0) err << StatsText::kSkippedBills.arg(result.skippedBills) << Qt::endl;
    if (result.rows.isEmpty()) err << StatsText::kNoBills << Qt::endl;
    if (!parsed.chart.isEmpty() && !result.rows.isEmpty()
        && !(chartSaver && chartSaver(result, kChartSize, parsed.chart))) {
        err << StatsText::kSaveFailed << parsed.chart << Qt::endl;
        return ExitCode::kFailed;
    }
    return ExitCode::kDone;
}

} // namespace

void UseStatisticsChartSaver(StatisticsChartSaver saver) { chartSaver = saver; }

int RunStatsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    StatsArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return Compute(db, parsed, out, err); });
}

SubCommand StatsSubCommand() {
    return {QStringLiteral("stats"), kUsage, QStringLiteral("按天或按月统计金额或单据数，以CSV输出，可另存图表"),
            SubCommand::Needs::Widgets, RunStatsCommand};
}
