#include "cli/CommandBill.h"

#include "aids/AidContext.h"
#include "cli/CliTexts.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "core/Progress.h"
#include "core/StreamAsker.h"
#include "document/FormatController.h"
#include "document/FormatDocument.h"
#include "formatfile/FormatFileTexts.h"

#include <QTextStream>

namespace {
const QString kSet = QStringLiteral("--set"), kFillDates = QStringLiteral("--fill-dates");
} // namespace

const QList<CommandOption>& BillOptions() {
    static const QList<CommandOption> options = {{kSet, true}, {kFillDates}};
    return options;
}

QString ReadBillArgs(const CommandArgs& args, BillArgs& parsed) {
    if (args.Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = args.Positional().first();
    for (const QString& value : args.Values(kSet)) {
        const auto assignment = ReadAssignment(value);
        if (!assignment) return CliText::BadValue(kSet, value, CliText::kExpectAssignment);
        parsed.values.append({assignment->first, assignment->second});
    }
    parsed.fillDates = args.Has(kFillDates);
    return {};
}

int WithCommandBill(Database& db, const BillArgs& parsed, QTextStream& out, QTextStream& err,
                    const std::function<int(FormatController& controller, Asker& asker)>& use) {
    StreamAsker asker(err);
    SilentProgress progress;
    const EntrySettings settings = CommandEntrySettings(db);
    FormatDocument document;
    FormatController controller(db, document, settings, asker, progress);
    QObject::connect(&controller, &FormatController::Note, &controller,
                     [&out](const QString& note) { out << note << Qt::endl; });
    if (!controller.Open(parsed.format, parsed.fillDates)) {
        err << FormatFileTexts::FormatMissing(parsed.format) << Qt::endl;
        return ExitCode::kFailed;
    }
    const QStringList missing =
        EnterByLabel(controller.Document(), parsed.values, EntryRoute::Command, controller.Aids());
    if (!missing.isEmpty()) {
        err << CliText::NoSuchLabel(missing.first()) << Qt::endl;
        return ExitCode::kUsage;
    }
    return use(controller, asker);
}
