#include "cli/PrinterProfileCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandStart.h"
#include "print/ProfileTexts.h"
#include "store/Database.h"
#include "store/PaperPosition.h"
#include "store/PrinterProfileStore.h"

#include <QTextStream>

namespace {

const QString kFormat = QStringLiteral("--format"), kOffset = QStringLiteral("--offset"),
              kScale = QStringLiteral("--scale"), kFeed = QStringLiteral("--feed"),
              kContinuous = QStringLiteral("--continuous"), kSheets = QStringLiteral("--sheets"),
              kRealigned = QStringLiteral("--realigned");
const QString kUsage = QStringLiteral("printer-profile 打印机 [--format 格式] [--offset X,Y] [--scale SX,SY] [--feed 毫米]"
                                      " [--continuous|--sheets] [--realigned]");

// The parts of a profile a command changes; the others keep their stored values.
struct ProfileChange {
    std::optional<QList<double>> offset, scale;
    std::optional<double> feed;
    std::optional<bool> continuous;

    bool Any() const { return offset || scale || feed || continuous; }
    void ApplyTo(PrinterProfile& profile) const {
        if (offset) profile.offsetX = offset->at(0), profile.offsetY = offset->at(1);
        if (scale) profile.scaleX = scale->at(0), profile.scaleY = scale->at(1);
        if (feed) profile.feedMm = *feed;
        if (continuous) profile.continuous = *continuous;
    }
};

struct ProfileArgs {
    PrinterProfileKey key;
    ProfileChange change;
    bool realigned = false; // the paper's next form is at the printer's start again
};

QString Parse(const QStringList& args, ProfileArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args, {{kFormat, true}, {kOffset, true}, {kScale, true}, {kFeed, true}, {kContinuous}, {kSheets}, {kRealigned}},
        &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return ProfileText::kNoQueue;
    parsed.key = {ThisSeat(), read->Positional().first(), read->Value(kFormat)};
    ProfileChange& change = parsed.change;
    if (read->Has(kOffset) && !(change.offset = ReadDecimals(read->Value(kOffset), 2)))
        return CliText::BadValue(kOffset, read->Value(kOffset), ProfileText::kExpectPair);
    if (read->Has(kScale) && !(change.scale = ReadDecimals(read->Value(kScale), 2)))
        return CliText::BadValue(kScale, read->Value(kScale), ProfileText::kExpectPair);
    if (read->Has(kFeed)) {
        const auto feed = ReadDecimals(read->Value(kFeed), 1);
        if (!feed) return CliText::BadValue(kFeed, read->Value(kFeed), ProfileText::kExpectMm);
        change.feed = feed->first();
    }
    if (read->Has(kContinuous) && read->Has(kSheets)) return ProfileText::kBothContinuousAndSheets;
    if (read->Has(kContinuous)) change.continuous = true;
    if (read->Has(kSheets)) change.continuous = false;
    parsed.realigned = read->Has(kRealigned);
    return {};
}

int Profile(Database& db, const ProfileArgs& parsed, QTextStream& out, QTextStream& err) {
    if (!parsed.key.format.isEmpty() && !FormatExists(db, parsed.key.format, err)) return ExitCode::kFailed;
    PrinterProfile profile = EffectivePrinterProfile(db, parsed.key);
    if (parsed.change.Any()) {
        parsed.change.ApplyTo(profile);
        if (const QString problem = ProfileProblem(profile); !problem.isEmpty())
            return UsageError(err, problem, kUsage);
        if (!SavePrinterProfile(db, parsed.key, profile)) {
            err << ProfileText::kNotSaved << Qt::endl;
            return ExitCode::kFailed;
        }
    }
    if (parsed.realigned && !SaveFormStart(parsed.key.queue, 0)) {
        err << ProfileText::kNotSaved << Qt::endl;
        return ExitCode::kFailed;
    }
    ShowPrinterProfile(parsed.key, profile, out);
    if (profile.continuous)
        out << ProfileText::FormStart(LoadFormStart(parsed.key.queue)) << Qt::endl;
    return ExitCode::kDone;
}

} // namespace

void ShowPrinterProfile(const PrinterProfileKey& key, const PrinterProfile& profile, QTextStream& out) {
    out << ProfileText::Heading(key.queue, key.seat) << '\n'
        << ProfileText::ForFormat(key.format) << '\n'
        << ProfileText::Offsets(profile.offsetX, profile.offsetY) << '\n'
        << ProfileText::Scales(profile.scaleX, profile.scaleY) << '\n'
        << ProfileText::Feed(profile.feedMm) << '\n'
        << ProfileText::Continuous(profile.continuous) << Qt::endl;
}

int RunPrinterProfileCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    ProfileArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return Profile(db, parsed, out, err); });
}

SubCommand PrinterProfileSubCommand() {
    return {QStringLiteral("printer-profile"), kUsage,
            QStringLiteral("显示或设置本机某台打印机的校正（偏移、缩放、连续纸进纸修正），可按格式分别设置；"
                           "--realigned：连续纸撕纸重新对齐后，下一张从打印起点开始"),
            SubCommand::Needs::Core, RunPrinterProfileCommand};
}
