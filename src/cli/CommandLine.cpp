#include "cli/CommandLine.h"

#include "cli/CliTexts.h"
#include "cli/CommandPassword.h"
#include "cli/CommandStart.h"

#include <QTextStream>

namespace {
const QString kDataDirOption = QStringLiteral("--data-dir");
const QString kPasswordFileOption = QStringLiteral("--password-file");
const QString kStoreOption = QStringLiteral("--store");

// Takes --password-file and its file out of `arguments`; false when the file is missing.
bool TakePasswordFile(QStringList& arguments, QString* file) {
    for (qsizetype i = arguments.indexOf(kPasswordFileOption); i >= 0;
         i = arguments.indexOf(kPasswordFileOption, i)) {
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) return false;
        *file = arguments[i + 1];
        arguments.remove(i, 2);
    }
    return true;
}

void PrintUsage(const QList<SubCommand>& table, QTextStream& out) {
    out << CliText::kProgramUsage << '\n';
    for (const SubCommand& command : table)
        out << "  vellumark " << command.usage << "\n      " << command.summary << '\n';
}
} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& given) {
    ParsedCommandLine parsed;
    QStringList arguments = given;
    if (!TakePasswordFile(arguments, &parsed.passwordFile)) {
        parsed.error = CliText::NeedsValue(kPasswordFileOption);
        return parsed;
    }
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == kDataDirOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                parsed.error = CliText::kDataDirNeedsFolder;
                return parsed;
            }
            parsed.dataDir = arguments[++i];
        } else if (arg == kStoreOption || arg.startsWith(kStoreOption + QLatin1Char('='))) {
            parsed.store = arg == kStoreOption ? arguments.value(++i) : arg.mid(kStoreOption.size() + 1);
            if (parsed.store.isEmpty()) {
                parsed.error = CliText::NeedsValue(kStoreOption);
                return parsed;
            }
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
    const PasswordFileScope passwordFile(parsed.passwordFile);
    const SubCommand* command = FindSubCommand(table, parsed.command);
    if (!command) {
        err << CliText::UnknownCommand(parsed.command) << '\n';
        PrintUsage(table, err);
        return ExitCode::kUsage;
    }
    return command->run(parsed.args, out, err);
}
