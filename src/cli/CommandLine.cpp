#include "cli/CommandLine.h"

#include "cli/CliTexts.h"
#include "cli/CommandStart.h"

#include <QTextStream>

namespace {
const QString kDataDirOption = QStringLiteral("--data-dir");

void PrintUsage(const QList<SubCommand>& table, QTextStream& out) {
    out << CliText::kProgramUsage << '\n';
    for (const SubCommand& command : table)
        out << "  vellumark " << command.usage << "\n      " << command.summary << '\n';
}
} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == kDataDirOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                parsed.error = CliText::kDataDirNeedsFolder;
                return parsed;
            }
            parsed.dataDir = arguments[++i];
        } else if (arg.startsWith(kDataDirOption + QLatin1Char('='))) {
            parsed.dataDir = arg.mid(kDataDirOption.size() + 1);
            if (parsed.dataDir.isEmpty()) {
                parsed.error = CliText::kDataDirNeedsFolder;
                return parsed;
            }
        } else {
            break;
        }
    }
    if (i < arguments.size()) {
        parsed.command = arguments[i];
        parsed.args = arguments.mid(i + 1);
    }
    return parsed;
}

const SubCommand* FindSubCommand(const QList<SubCommand>& table, const QString& name) {
    for (const SubCommand& command : table)
        if (command.name == name) return &command;
    return nullptr;
}

int RunSubCommand(const ParsedCommandLine& parsed, const QList<SubCommand>& table,
                  QTextStream& out, QTextStream& err) {
    if (parsed.command == QLatin1String("help") || parsed.command == QLatin1String("--help")) {
        PrintUsage(table, out);
        return ExitCode::kDone;
    }
    if (parsed.command == QLatin1String("--version")) {
        out << "vellumark " << VELLUMARK_VERSION << '\n';
        return ExitCode::kDone;
    }
    const SubCommand* command = FindSubCommand(table, parsed.command);
    if (!command) {
        err << CliText::UnknownCommand(parsed.command) << '\n';
        PrintUsage(table, err);
        return ExitCode::kUsage;
    }
    return command->run(parsed.args, out, err);
}
