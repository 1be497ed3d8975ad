#include "app/CommandLine.h"

#include <QTextStream>

namespace {
const QString kDataDirOption = QStringLiteral("--data-dir");
constexpr int kUsageError = 2;

void PrintUsage(const QList<SubCommand>& table, QTextStream& out) {
    out << "usage: vellumark [--data-dir DIR] [command [arguments]]\n"
           "Without a command the window starts.\n";
    if (!table.isEmpty()) out << "commands:\n";
    for (const SubCommand& command : table)
        out << "  " << command.name << "  " << command.summary << '\n';
}
} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == kDataDirOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                parsed.error = QStringLiteral("--data-dir needs a folder");
                return parsed;
            }
            parsed.dataDir = arguments[++i];
        } else if (arg.startsWith(kDataDirOption + QLatin1Char('='))) {
            parsed.dataDir = arg.mid(kDataDirOption.size() + 1);
            if (parsed.dataDir.isEmpty()) {
                parsed.error = QStringLiteral("--data-dir needs a folder");
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
        return 0;
    }
    const SubCommand* command = FindSubCommand(table, parsed.command);
    if (!command) {
        err << "vellumark: unknown command '" << parsed.command << "'\n";
        PrintUsage(table, err);
        return kUsageError;
    }
    return command->run(parsed.args, out, err);
}
