#include "cli/PrintCommand.h"

#include "cli/BatchCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandBill.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "document/FormatController.h"
#include "document/FormatDocument.h"
#include "print/PrintJob.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral("print 格式 [--set 标签=内容]... [--fill-dates] [--no-history] ")
                       + CliText::kOutputUsage;

struct PrintArgs {
    BillArgs bill;
    PrintTarget target;
    bool history = true;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, PrintArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args, OutputOptions() + BillOptions() + QList<CommandOption>{{QStringLiteral("--no-history")}},
        &problem);
    if (!read) return problem;
    if (problem = ReadBillArgs(*read, parsed.bill); !problem.isEmpty()) return problem;
    parsed.history = !read->Has(QStringLiteral("--no-history"));
    const std::optional<PrintTarget> target = ReadPrintTarget(*read, &problem);
    if (!target) return problem;
    parsed.target = *target;
    return {};
}

int PrintFromStore(Database& db, const PrintArgs& parsed, QTextStream& out, QTextStream& err) {
    // The window's controller: the same bill, print transaction and history row.
    return WithCommandBill(db, parsed.bill, out, err, [&](FormatController& controller, Asker& asker) {
        FormatDocument& document = controller.Document();
        CommandOutput output;
        PageParams page = document.GetFormat().page;
        if (!output.Open(parsed.target, page, err)) return ExitCode::kFailed;
        // --paper applies to this print only; it is not kept as the format's option.
        document.SetPage(page);
        WarnWhenOffPaper(output.Device(), page, CliText::kBillPage, err);
        WarnOfHardwareMargins(output.Device(), document.GetFormat(), err);
        const std::unique_ptr<PrintJob> job = output.StartJob(asker);
        const PrintedBill printed = controller.PrintCurrentBill(*job, parsed.target.copies, parsed.history);
        return !printed.printed || (parsed.history && !printed.kept) ? ExitCode::kFailed : ExitCode::kDone;
    });
}

} // namespace

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (IsBatchPrint(args)) return RunBatchPrintCommand(args, out, err);
    PrintArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return PrintFromStore(db, parsed, out, err); });
}

SubCommand PrintSubCommand() {
    return {QStringLiteral("print"), kUsage + QStringLiteral("\n  vellumark ") + BatchPrintUsage(),
            QStringLiteral("按录入方式填写并打印一张单据（自动编号、日期、累加、关联），存入历史记录；"
                           "带 --data 或 --bills 时批量打印文件中的数据或历史单据，带 --labels 时打印成标签纸"),
            SubCommand::Needs::Gui, RunPrintCommand};
}
