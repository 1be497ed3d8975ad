#include "cli/StoreCopyCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandPassword.h"
#include "cli/CommandStart.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/StoreCopy.h"
#include "store/StoreLocation.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral("store copy --from 数据文件夹|服务器地址 --to 数据文件夹|服务器地址 [--replace]");
const QString kFrom = QStringLiteral("--from");
const QString kTo = QStringLiteral("--to");
const QString kReplace = QStringLiteral("--replace");

// A data folder is named as --data-dir names it, or by the DATA.db file in it.
QString DataFolderOf(const QString& location) {
    const QFileInfo named(location);
    if (named.fileName() == QFileInfo(DataFolder::DatabasePath()).fileName() && !named.isDir())
        return named.absolutePath();
    return QDir(location).absolutePath();
}

// One side of the copy, opened as every command opens its store: a server's tables
// made or upgraded; a data folder's file with its password asked for when it has one.
std::unique_ptr<Database> OpenSide(const QString& location, QTextStream& err) {
    if (StoreLocation::IsServerLocation(location)) {
        StoreOpening opening = OpenServerStore(location);
        if (!opening.db) err << opening.message << Qt::endl;
        return std::move(opening.db);
    }
    DataFolder::SetOverride(DataFolderOf(location));
    if (!UnlockStoreForCommand(err)) return nullptr;
    std::unique_ptr<Database> db = OpenFileStoreForCommand(err);
    if (!db || !LoginForCommand(*db, err)) return nullptr;
    return db;
}

} // namespace

int RunStoreCopy(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString problem;
    const std::optional<CommandArgs> read =
        CommandArgs::Read(args, {{kFrom, true}, {kTo, true}, {kReplace, false}}, &problem);
    if (!read) return UsageError(err, problem, kUsage);
    if (!read->Positional().isEmpty()) return UsageError(err, CliText::UnknownArgument(read->Positional()[0]), kUsage);
    const QString from = read->Value(kFrom);
    const QString to = read->Value(kTo);
    if (from.isEmpty() || to.isEmpty()) return UsageError(err, CliText::NeedsValue(from.isEmpty() ? kFrom : kTo), kUsage);

    const std::unique_ptr<Database> source = OpenSide(from, err);
    if (!source) return ExitCode::kFailed;
    const std::unique_ptr<Database> target = OpenSide(to, err);
    if (!target) return ExitCode::kFailed;
    // A file cannot be both sides: its target transaction would wait on its own reader.
    if (!source->IsServer() && !target->IsServer() && source->Path() == target->Path())
        return UsageError(err, CliText::kCopyOntoItself, kUsage);

    const StoreCopyOutcome outcome = CopyStore(*source, *target, read->Has(kReplace));
    switch (outcome.result) {
    case StoreCopyOutcome::Result::Copied:
        out << StoreTexts::StoreCopied(target->Path()) << CountsText(outcome.counts) << Qt::endl;
        return ExitCode::kDone;
    case StoreCopyOutcome::Result::TargetNotEmpty:
        err << StoreTexts::StoreNotEmpty(target->Path()) << Qt::endl;
        return ExitCode::kFailed;
    case StoreCopyOutcome::Result::Failed: break;
    }
    err << outcome.problem << Qt::endl;
    return ExitCode::kFailed;
}
