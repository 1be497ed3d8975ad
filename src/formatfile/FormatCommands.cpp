#include "formatfile/FormatCommands.h"

#include "formatfile/FormatExport.h"
#include "formatfile/FormatImport.h"
#include "formatfile/FormatNameCommands.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/TextFiles.h"
#include "core/Asker.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"
#include "core/StreamAsker.h"

#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

using namespace FormatFileTexts;

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const QString kUsageText = QStringLiteral(
    "用法：formats | import-format 文件.zhq [--name 格式名] | export-format 格式名 文件.zhq"
    " | rename-format 原格式名 新格式名 | delete-format 格式名");

int ListFormats(Database& db, QTextStream& out) {
    for (const QString& name : FormatStore(db).FormatNames()) out << name << Qt::endl;
    return 0;
}

int Import(Database& db, const QStringList& args, QTextStream& out, QTextStream& err) {
    QString path, name;
    bool nameGiven = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--name") && i + 1 < args.size()) {
            name = args[++i].trimmed();
            nameGiven = true;
        } else if (path.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            err << kUsageText << Qt::endl;
            return kUsage;
        }
    }
    if (path.isEmpty()) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    if (!QFileInfo(path).isFile()) {
        err << Unrecognised(path) << Qt::endl;
        return kFailed;
    }
    if (QFileInfo(path).size() > kMaxFormatFileBytes) {
        err << kFileInError << Qt::endl;
        return kFailed;
    }
    // Nothing is asked on the command line; messages go to the error stream.
    StreamAsker asker(err);
    const QByteArray bytes = ReadTextFile(path, false, asker);
    const ParsedFormatFile parsed = ParseFormatFileBytes(bytes);
    if (bytes.isEmpty() || parsed.error != FormatFileError::None) {
        err << (parsed.error == FormatFileError::Malformed ? kFileInError : Unrecognised(path))
            << Qt::endl;
        return kFailed;
    }
    if (!nameGiven) name = ProposedFormatName(path, parsed.content);
    const NameProblem problem = CheckImportName(db, name);
    if (problem == NameProblem::Empty) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    if (problem != NameProblem::None) {
        err << NameProblemText(problem, name) << Qt::endl;
        return kFailed;
    }
    const StoreOutcome stored = StoreFormatFile(db, parsed.content, name, path);
    if (!stored.problem.isEmpty()) err << stored.problem << Qt::endl;
    if (!stored.stored) return kFailed;
    out << ImportDone(name) << Qt::endl;
    return stored.problem.isEmpty() ? 0 : kFailed;
}

int Export(Database& db, const QStringList& args, QTextStream& out, QTextStream& err) {
    // A target without a file name would be written as a hidden ".zhq".
    if (args.size() != 3 || QFileInfo(args[2]).fileName().trimmed().isEmpty()) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    const QString& name = args[1];
    const ExportOutcome outcome = WriteFormatFile(db, name, WithFormatExtension(args[2]));
    if (outcome.formatMissing) {
        err << FormatMissing(name) << Qt::endl;
        return kFailed;
    }
    if (!outcome.failedPath.isEmpty()) {
        err << WriteFailed(outcome.failedPath) << Qt::endl;
        return kFailed;
    }
    out << ExportDone(name) << Qt::endl;
    if (outcome.writtenPath != WithFormatExtension(args[2])) out << outcome.writtenPath << Qt::endl;
    return 0;
}

// The empty name is the last-use row, never a format.
int Rename(Database& db, const QStringList& args, QTextStream& err) {
    if (args.size() != 3 || args[1].isEmpty() || args[2].trimmed().isEmpty()) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    return RenameFormatCommand(db, args[1], args[2], err);
}

int Delete(Database& db, const QStringList& args, QTextStream& err) {
    if (args.size() != 2 || args[1].isEmpty()) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    return DeleteFormatCommand(db, args[1], err);
}

} // namespace

int RunFormatCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString command = args.value(0);
    const QStringList commands = {"formats", "import-format", "export-format", "rename-format",
                                  "delete-format"};
    if (!commands.contains(command)) {
        err << kUsageText << Qt::endl;
        return kUsage;
    }
    const std::unique_ptr<Database> db = OpenStoreForCommand(err);
    if (!db) return kFailed;
    int code = 0;
    if (command == QLatin1String("formats")) code = ListFormats(*db, out);
    else if (command == QLatin1String("import-format")) code = Import(*db, args, out, err);
    else if (command == QLatin1String("rename-format")) code = Rename(*db, args, err);
    else if (command == QLatin1String("delete-format")) code = Delete(*db, args, err);
    else code = Export(*db, args, out, err);
    return FinishStoreCommand(*db, code, err);
}
