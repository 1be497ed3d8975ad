#include "app/StatisticsCommand.h"

#include "app/StatisticsChart.h"
#include "stats/Statistics.h"
#include "stats/StatsBoxes.h"
#include "stats/StatsTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QSize>
#include <QTextStream>

namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;
const QSize kChartSize(1000, 600);

const QString kUsage = QStringLiteral(
    "用法: stats FORMAT --from YYYY-MM-DD --to YYYY-MM-DD [--by day|month] "
    "(--date-box LABEL | --ymd-boxes Y,M,D) (--amount-box LABEL | --count) "
    "[--where LABEL=VALUE] [--chart out.png]");

struct StatsArgs {
    StatsRequest request;
    QString chart;
    bool amountGiven = false;
    bool countGiven = false;
};

QString ParseDate(const QString& text, QDate& date) {
    date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? QString() : QStringLiteral("日期无效: %1").arg(text);
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
        const qsizetype equals = value.indexOf(u'=');
        if (equals <= 0) return QStringLiteral("--where 需要 标签=内容");
        request.conditional = true;
        request.conditionBox = value.left(equals);
        request.conditionValue = value.mid(equals + 1);
    } else if (option == u"--chart") {
        parsed.chart = value;
    } else {
        return QStringLiteral("未知参数: %1").arg(option);
    }
    return QString();
}

QString Parse(const QStringList& args, StatsArgs& parsed) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"--count") {
            parsed.countGiven = true;
            parsed.request.content = StatsContent::Count;
        } else if (arg.startsWith(u"--")) {
            if (i + 1 >= args.size()) return QStringLiteral("%1 需要一个值").arg(arg);
            if (const QString error = ParseOption(arg, args.at(++i), parsed); !error.isEmpty()) return error;
        } else if (parsed.request.formatName.isEmpty()) {
            parsed.request.formatName = arg;
        } else {
            return QStringLiteral("未知参数: %1").arg(arg);
        }
    }
    const StatsRequest& request = parsed.request;
    if (request.formatName.isEmpty()) return QStringLiteral("缺少格式名称");
    if (!request.from.isValid() || !request.to.isValid()) return QStringLiteral("需要 --from 和 --to");
    if (!request.dateBox.isEmpty() && request.combinedDate)
        return QStringLiteral("--date-box 和 --ymd-boxes 只能用一个");
    if (parsed.amountGiven == parsed.countGiven) return QStringLiteral("--amount-box 和 --count 需要且只能用一个");
    if (const std::optional<QString> problem = CheckRequest(request)) return *problem;
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

} // namespace

int RunStatsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    StatsArgs parsed;
    if (const QString error = Parse(args, parsed); !error.isEmpty()) {
        err << error << Qt::endl << kUsage << Qt::endl;
        return kUsageError;
    }
    QString error;
    const std::unique_ptr<Database> db = OpenDataDatabase(&error);
    if (!db) {
        err << error << Qt::endl;
        return kFailure;
    }
    const StatsRequest& request = parsed.request;
    if (!FormatStore(*db).LoadPageParams(request.formatName)) {
        err << QStringLiteral("格式不存在: ") << request.formatName << Qt::endl;
        return kFailure;
    }
    if (const QString unknown = UnknownBox(ReadStatsBoxes(*db, request.formatName), request);
        !unknown.isEmpty()) {
        err << unknown << Qt::endl;
        return kUsageError;
    }
    const StatsResult result = ComputeStatistics(*db, request);
    if (result.failed) {
        err << StatsText::kReadFailed << db->LastError() << Qt::endl;
        return kFailure;
    }
    out << result.Csv();
    out.flush();
    if (result.skippedBills > 0) err << StatsText::kSkippedBills.arg(result.skippedBills) << Qt::endl;
    if (result.rows.isEmpty()) err << StatsText::kNoBills << Qt::endl;
    if (!parsed.chart.isEmpty() && !result.rows.isEmpty()
        && !SaveStatisticsChart(result, kChartSize, parsed.chart)) {
        err << StatsText::kSaveFailed << parsed.chart << Qt::endl;
        return kFailure;
    }
    return 0;
}
