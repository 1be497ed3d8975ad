#include "cli/FormatCommands.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandLine.h"
#include "cli/CommandStart.h"
#include "cli/FormatNameCommands.h"
#include "core/StreamAsker.h"
#include "formatfile/FormatExport.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/FormatImport.h"
#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeValue.h"
#include "formatfile/TextFiles.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QFileInfo>
#include <QTextStream>

using namespace FormatFileTexts;

namespace {

const QString kTree = QStringLiteral("--tree"), kName = QStringLiteral("--name");
const QString kFormatsUsage = QStringLiteral("formats [--tree]");
const QString kImportUsage = QStringLiteral("import-format 文件.zhq [--name 格式名]");
const QString kExportUsage = QStringLiteral("export-format 格式名 文件.zhq");

// The tree as the window's format tree shows it: each class, then its formats indented.
void WriteTree(const FormatTreeValue& tree, QTextStream& out) {
    for (qsizetype c = 0; c < tree.classes.size(); ++c) {
        out << tree.classes[c] << '\n';
        for (const QString& name : tree.lists.value(c)) out << "  " << name << '\n';
    }
    out.flush();
}

int RunFormats(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(args, {{kTree}}, &problem);
    if (!read) return UsageError(err, problem, kFormatsUsage);
    if (!read->Positional().isEmpty())
        return UsageError(err, CliText::UnknownArgument(read->Positional().first()), kFormatsUsage);
    return RunWithStore(err, [&](Database& db) {
        if (read->Has(kTree)) {
            WriteTree(LoadFormatTree(db), out);
        } else {
            for (const QString& name : FormatStore(db).FormatNames()) out << name << '\n';
            out.flush();
        }
        return ExitCode::kDone;
    });
}

int Import(Database& db, const QString& path, std::optional<QString> name, QTextStream& out, QTextStream& err) {
    if (!QFileInfo(path).isFile()) {
        err << Unrecognised(path) << Qt::endl;
        return ExitCode::kFailed;
    }
    if (QFileInfo(path).size() > kMaxFormatFileBytes) {
        err << kFileInError << Qt::endl;
        return ExitCode::kFailed;
    }
    // Nothing is asked on the command line; messages go to the error stream.
    StreamAsker asker(err);
    const QByteArray bytes = ReadTextFile(path, false, asker);
    const ParsedFormatFile parsed = ParseFormatFileBytes(bytes);
    if (bytes.isEmpty() || parsed.error != FormatFileError::None) {
        err << (parsed.error == FormatFileError::Malformed ? kFileInError : Unrecognised(path)) << Qt::endl;
        return ExitCode::kFailed;
    }
    const QString chosen = name ? name->trimmed() : ProposedFormatName(path, parsed.content);
    const NameProblem problem = CheckImportName(db, chosen);
    if (problem == NameProblem::Empty) return UsageError(err, QStringLiteral("格式名不能为空"), kImportUsage);
    if (problem != NameProblem::None) {
        err << NameProblemText(problem, chosen) << Qt::endl;
        return ExitCode::kFailed;
    }
    const StoreOutcome stored = StoreFormatFile(db, parsed.content, chosen, path);
    if (!stored.problem.isEmpty()) err << stored.problem << Qt::endl;
    if (!stored.stored) return ExitCode::kFailed;
    out << ImportDone(chosen) << Qt::endl;
    return stored.problem.isEmpty() ? ExitCode::kDone : ExitCode::kFailed;
}

int RunImport(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(args, {{kName, true}}, &problem);
    if (!read) return UsageError(err, problem, kImportUsage);
    if (read->Positional().size() != 1) return UsageError(err, QStringLiteral("需要一个格式文件"), kImportUsage);
    return RunWithStore(err, [&](Database& db) {
        return Import(db, read->Positional().first(), read->OptionalValue(kName), out, err);
    });
}

int RunExport(const QStringList& args, QTextStream& out, QTextStream& err) {
    // A target without a file name would be written as a hidden ".zhq".
    if (args.size() != 2 || args[0].isEmpty() || QFileInfo(args[1]).fileName().trimmed().isEmpty())
        return UsageError(err, QStringLiteral("需要格式名和文件名"), kExportUsage);
    const QString& name = args[0];
    const QString target = WithFormatExtension(args[1]);
    return RunWithStore(err, [&](Database& db) {
        const ExportOutcome outcome = WriteFormatFile(db, name, target);
        if (outcome.formatMissing) {
            err << FormatMissing(name) << Qt::endl;
            return ExitCode::kFailed;
        }
        if (!outcome.failedPath.isEmpty()) {
            err << WriteFailed(outcome.failedPath) << Qt::endl;
            return ExitCode::kFailed;
        }
        out << ExportDone(name) << Qt::endl;
        if (outcome.writtenPath != target) out << outcome.writtenPath << Qt::endl;
        return ExitCode::kDone;
    });
}

} // namespace

QList<SubCommand> FormatSubCommands() {
    return {{QStringLiteral("formats"), kFormatsUsage,
             QStringLiteral("列出所有格式，每行一个；--tree 按格式树的分类列出"), SubCommand::Needs::Core, RunFormats},
            {QStringLiteral("import-format"), kImportUsage, QStringLiteral("导入格式文件"), SubCommand::Needs::Core,
             RunImport},
            {QStringLiteral("export-format"), kExportUsage, QStringLiteral("导出格式文件"), SubCommand::Needs::Core,
             RunExport},
            RenameFormatSubCommand(),
            DeleteFormatSubCommand()};
}

int RunFormatCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return RunSubCommand(ParseCommandLine(args), FormatSubCommands(), out, err);
}
