#include "cli/CommandBill.h"

#include "aids/AidContext.h"
#include "cli/CliTexts.h"
#include "cli/CommandStart.h"
#include "document/FormatController.h"
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

int FillCommandBill(FormatController& controller, const BillArgs& parsed, QTextStream& err) {
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
    return ExitCode::kDone;
}

void PrintNotesOn(FormatController& controller, QTextStream& out) {
    QObject::connect(&controller, &FormatController::Note, &controller,
                     [&out](const QString& note) { out << note << Qt::endl; });
}
