// The table of sub-commands. A module that offers a command line entry point adds
// one row here; the dispatcher and main need no change.
#include "app/CommandLine.h"
#include "app/RestoreBackupCommand.h"
#include "app/StatisticsCommand.h"
#include "app/SampleFormats.h"

#include "exchange/ImportDataCommand.h"
#include "formatfile/FormatCommands.h"
#include "print/PrintCommand.h"
#include "records/HistoryCommand.h"

namespace {

// The format commands take their own name as the first argument.
SubCommand FormatSubCommand(const QString& name, const QString& summary) {
    return {name, summary, SubCommand::Needs::Core,
            [name](const QStringList& args, QTextStream& out, QTextStream& err) {
                return RunFormatCommand(QStringList{name} + args, out, err);
            }};
}

} // namespace

const QList<SubCommand>& SubCommands() {
    static const QList<SubCommand> table = {
        {QStringLiteral("print"),
         QStringLiteral("print 格式 [--set 标签=内容]... (--pdf 文件 | --printer 打印机) [--copies 份数] "
                        "[--fill-dates] [--no-history]：按录入方式填写并打印一张单据（自动编号、日期、累加、关联），"
                        "存入历史记录；"
                        "print 格式 (--data 文件 [--sheet 工作表] [--rows 开始-截止] | --bills 3,5-9) "
                        "[--labels 列x行 [--sheet-size 宽x高]] (--pdf 文件 | --printer 打印机)：批量打印"),
         SubCommand::Needs::Gui, RunPrintCommand},
        {QStringLiteral("history"),
         QStringLiteral("history 格式 [--limit 张数] [--csv]：列出历史单据，最新的在前"),
         SubCommand::Needs::Core, RunHistoryCommand},
        FormatSubCommand(QStringLiteral("formats"), QStringLiteral("列出所有格式，每行一个")),
        FormatSubCommand(QStringLiteral("import-format"),
                         QStringLiteral("import-format 文件.zhq [--name 名称]：导入格式文件")),
        FormatSubCommand(QStringLiteral("export-format"),
                         QStringLiteral("export-format 名称 文件.zhq：导出格式文件")),
        FormatSubCommand(QStringLiteral("rename-format"),
                         QStringLiteral("rename-format 原名称 新名称：格式改名，记录和底图随之改名")),
        FormatSubCommand(QStringLiteral("delete-format"),
                         QStringLiteral("delete-format 名称：删除格式及其全部记录")),
        {QStringLiteral("restore-backup"),
         QStringLiteral("restore-backup [备份文件]：用备份（默认最近的一个）恢复数据库"),
         SubCommand::Needs::Core, RunRestoreBackupCommand},
        {QStringLiteral("import-data"),
         QStringLiteral("import-data 格式 文件 [--sheet 工作表] [--map 标签=表达式]... [--rows 开始-截止] "
                        "[--interval 行间隔] [--marker 标志列] [--save-mapping]：按映射导入数据，以CSV输出"),
         SubCommand::Needs::Core, RunImportDataCommand},
        {QStringLiteral("stats"),
         QStringLiteral("stats 格式 --from 开始日期 --to 截止日期 [--by day|month] (--date-box 标签 | "
                        "--ymd-boxes 年,月,日) (--amount-box 标签 | --count) [--where 标签=内容] "
                        "[--chart 图表.png]：按天或按月统计金额或单据数，以CSV输出"),
         SubCommand::Needs::Widgets, RunStatsCommand},
        {QStringLiteral("create-samples"),
         QStringLiteral("create-samples：创建三个示例格式（银行进账单、快递运单、地址标签）"),
         SubCommand::Needs::Gui, RunCreateSamplesCommand},
    };
    return table;
}
