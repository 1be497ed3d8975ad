#include "cli/CalibrateCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "cli/PrinterProfileCommand.h"
#include "core/StreamAsker.h"
#include "print/CalibrationSheet.h"
#include "print/PrintJob.h"
#include "print/ProfileTexts.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

const QString kPrinter = QStringLiteral("--printer"), kBills = QStringLiteral("--bills"),
              kMeasured = QStringLiteral("--measured");
const QString kUsage = QStringLiteral("calibrate 格式 --printer 打印机 [--bills N] [--measured X1,Y1,XN,YN]");

struct CalibrateArgs {
    QString format, queue;
    int bills = kDefaultCalibrationBills;
    std::optional<MeasuredCrosses> measured;
};

QString Parse(const QStringList& args, CalibrateArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read =
        CommandArgs::Read(args, {{kPrinter, true}, {kBills, true}, {kMeasured, true}}, &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = read->Positional().first();
    parsed.queue = read->Value(kPrinter);
    if (parsed.queue.isEmpty()) return ProfileText::kNoQueue;
    if (read->Has(kBills)) {
        const auto bills = ReadWholeNumber(read->Value(kBills), 1, kMaxCalibrationBills);
        if (!bills)
            return CliText::BadValue(kBills, read->Value(kBills), CliText::kExpectWhole.arg(1).arg(kMaxCalibrationBills));
        parsed.bills = int(*bills);
    }
    if (read->Has(kMeasured)) {
        const auto numbers = ReadDecimals(read->Value(kMeasured), 4);
        if (!numbers) return CliText::BadValue(kMeasured, read->Value(kMeasured), ProfileText::kExpectMeasured);
        parsed.measured = MeasuredCrosses{{numbers->at(0), numbers->at(1)}, {numbers->at(2), numbers->at(3)}};
    }
    return {};
}

int PrintSheet(Database& db, const CalibrateArgs& parsed, QTextStream& err) {
    std::optional<CommandFormat> loaded = LoadCommandFormat(db, parsed.format, err);
    if (!loaded) return ExitCode::kFailed;
    PrintTarget target;
    target.printer = parsed.queue;
    CommandOutput output;
    if (!output.Open(target, loaded->format.page, err)) return ExitCode::kFailed;
    StreamAsker asker(err);
    const std::unique_ptr<PrintJob> job = output.StartJob(asker);
    return PrintCalibrationSheet(*job, loaded->format, parsed.bills) ? ExitCode::kDone : ExitCode::kFailed;
}

int StoreMeasured(Database& db, const CalibrateArgs& parsed, QTextStream& out, QTextStream& err) {
    const std::optional<CommandFormat> loaded = LoadCommandFormat(db, parsed.format, err);
    if (!loaded) return ExitCode::kFailed;
    QString problem;
    const std::optional<StoredCalibration> stored =
        StoreCalibration(db, parsed.queue, loaded->format, parsed.bills, *parsed.measured, &problem);
    if (!stored) {
        err << problem << Qt::endl;
        return ExitCode::kFailed;
    }
    ShowPrinterProfile(stored->key, stored->profile, out);
    return ExitCode::kDone;
}

} // namespace

int RunCalibrateCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    CalibrateArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) {
        return parsed.measured ? StoreMeasured(db, parsed, out, err) : PrintSheet(db, parsed, err);
    });
}

SubCommand CalibrateSubCommand() {
    return {QStringLiteral("calibrate"), kUsage,
            QStringLiteral("打印校正图（第1张和第N张上的十字）；给出 --measured 时按量得的位置计算并保存本机打印机校正"),
            SubCommand::Needs::Gui, RunCalibrateCommand};
}
