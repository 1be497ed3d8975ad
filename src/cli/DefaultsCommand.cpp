#include "cli/DefaultsCommand.h"

#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "core/Progress.h"
#include "core/StreamAsker.h"
#include "document/FormatDocument.h"
#include "records/Defaults.h"
#include "records/RecordsTexts.h"
#include "store/Bill.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

const QString kSet = QStringLiteral("--set"), kClear = QStringLiteral("--clear");
const QString kUsage = QStringLiteral("defaults 格式 [--clear] [--set 标签=内容]...");

struct DefaultsArgs {
    QString format;
    QList<LabelValue> values;
    bool clear = false;
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, DefaultsArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(args, {{kSet, true}, {kClear}}, &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = read->Positional().first();
    parsed.clear = read->Has(kClear);
    for (const QString& value : read->Values(kSet)) {
        const auto assignment = ReadAssignment(value);
        if (!assignment) return CliText::BadValue(kSet, value, CliText::kExpectAssignment);
        parsed.values.append({assignment->first, assignment->second});
    }
    return {};
}

// One line per box that holds a value; a line break shows as the line-break marker,
// so the line can be given back to --set as it is.
void List(const Format& format, const Bill& bill, const QString& marker, QTextStream& out) {
    for (const BoxRecord* box : ValueBoxes(format))
        out << box->label << '=' << OnOneLine(StoredValue(*box, bill), marker) << '\n';
    out.flush();
}

int Defaults(Database& db, const DefaultsArgs& parsed, QTextStream& out, QTextStream& err) {
    const std::optional<CommandFormat> loaded = LoadCommandFormat(db, parsed.format, err);
    if (!loaded) return ExitCode::kFailed;
    SilentProgress progress;
    Bill bill;
    if (!parsed.clear && !LoadDefaults(db, loaded->format, bill, loaded->filling, progress)) {
        err << CliText::kDefaultsReadFailed << Qt::endl;
        return ExitCode::kFailed;
    }
    const bool changes = parsed.clear || !parsed.values.isEmpty();
    if (changes) {
        StreamAsker asker(err);
        FormatDocument document;
        document.Open(loaded->format, bill);
        const AidContext aids{&db, loaded->filling, {}, &asker};
        if (const QStringList missing = EnterByLabel(document, parsed.values, EntryRoute::Command, aids);
            !missing.isEmpty()) {
            err << CliText::NoSuchLabel(missing.first()) << Qt::endl;
            return ExitCode::kUsage;
        }
        bill = document.GetBill();
        if (!SaveDefaults(db, loaded->format, bill, progress)) {
            err << RecordsText::kDefaultsSaveFailed << Qt::endl;
            return ExitCode::kFailed;
        }
    }
    List(loaded->format, bill, loaded->filling.lineBreakMarker, out);
    return ExitCode::kDone;
}

} // namespace

int RunDefaultsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    DefaultsArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return Defaults(db, parsed, out, err); });
}

SubCommand DefaultsSubCommand() {
    return {QStringLiteral("defaults"), kUsage,
            QStringLiteral("列出格式的默认数据（打开格式时填入的内容）；--set 按录入方式改写，--clear 清空，然后保存"),
            SubCommand::Needs::Gui, RunDefaultsCommand};
}
