#include "cli/PrintCommand.h"

#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "cli/BatchCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "core/StreamAsker.h"
#include "document/FormatDocument.h"
#include "print/PrintJob.h"
#include "records/JobHistory.h"
#include "records/RecordsTexts.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatHold.h"

#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral("print 格式 [--set 标签=内容]... [--fill-dates] [--no-history] ")
                       + CliText::kOutputUsage;

struct PrintArgs {
    QString format;
    QList<LabelValue> values;
    PrintTarget target;
    bool history = true;
    bool fillDates = false;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, PrintArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args,
        OutputOptions() + QList<CommandOption>{{QStringLiteral("--set"), true},
                                               {QStringLiteral("--no-history")},
                                               {QStringLiteral("--fill-dates")}},
        &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = read->Positional().first();
    for (const QString& value : read->Values(QStringLiteral("--set"))) {
        const auto assignment = ReadAssignment(value);
        if (!assignment) return CliText::BadValue(QStringLiteral("--set"), value, CliText::kExpectAssignment);
        parsed.values.append({assignment->first, assignment->second});
    }
    parsed.history = !read->Has(QStringLiteral("--no-history"));
    parsed.fillDates = read->Has(QStringLiteral("--fill-dates"));
    const std::optional<PrintTarget> target = ReadPrintTarget(*read, &problem);
    if (!target) return problem;
    parsed.target = *target;
    return {};
}

int PrintFromStore(Database& db, const PrintArgs& parsed, QTextStream& out, QTextStream& err) {
    const FormatHold hold(db, parsed.format, FormatHold::Purpose::Print);
    std::optional<CommandFormat> loaded = LoadCommandFormat(db, parsed.format, err);
    if (!loaded) return ExitCode::kFailed;
    CommandOutput output;
    if (!output.Open(parsed.target, loaded->format.page, err)) return ExitCode::kFailed;
    // The bill starts as the window shows it when the format is opened, then each
    // value enters it in turn with the aids (rings, sums, linked bills) after it.
    StreamAsker asker(err);
    FormatDocument document;
    document.Open(loaded->format);
    const AidContext aids{&db, loaded->filling, {}, &asker};
    StartOpenedBill(document, aids, parsed.fillDates);
    if (const QStringList missing = EnterByLabel(document, parsed.values, EntryRoute::Command, aids);
        !missing.isEmpty()) {
        err << CliText::NoSuchLabel(missing.first()) << Qt::endl;
        return ExitCode::kUsage;
    }
    const Format& filledFormat = document.GetFormat();
    const Bill& bill = document.GetBill();
    WarnWhenOffPaper(output.Device(), filledFormat.page, CliText::kBillPage, err);
    WarnOfHardwareMargins(output.Device(), filledFormat, err);

    const std::unique_ptr<PrintJob> started = output.StartJob(asker);
    PrintJob& job = *started;
    // Like the window's print command, a printed bill is kept in history, as the
    // output is published.
    JobHistory history(db, hold.Identity());
    if (parsed.history) {
        history.Add(filledFormat, bill);
        job.PublishWith(&history);
    }
    BillPrintRequest request;
    request.copies = parsed.target.copies;
    request.page.canvasWidthTwips = loaded->canvasWidthTwips;
    request.page.roundingMethod = loaded->filling.settings.roundingMethod;
    if (!job.PrintBill(filledFormat, bill, request)) return ExitCode::kFailed;
    out << QStringLiteral("已打印 %1 页").arg(job.PagesPrinted()) << Qt::endl;
    if (parsed.history && history.CommittedNumbers().isEmpty()) {
        err << RecordsText::kHistorySaveFailed << Qt::endl;
        return ExitCode::kFailed;
    }
    return ExitCode::kDone;
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
