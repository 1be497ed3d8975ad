#include "cli/FormatNameCommands.h"

#include "cli/CommandStart.h"
#include "core/Asker.h"
#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeCommands.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QTextStream>

namespace {

const QString kRenameUsage = QStringLiteral("rename-format 原格式名 新格式名");
const QString kDeleteUsage = QStringLiteral("delete-format 格式名");

// Answers the window's questions as the command line already did: Yes to the
// confirmation, the given name to the name prompt. Messages go to the error stream.
class CommandAnswers final : public Asker {
public:
    CommandAnswers(QTextStream& messages, const QString& name) : messages_(messages), name_(name) {}
    void Message(const QString& text) override {
        messages_ << text << Qt::endl;
        said_ = true;
    }
    bool AskYesNo(const QString&) override { return true; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
        return name_;
    }
    QString ChooseOpenFile(const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<int> ChooseItem(const QString&, const QStringList&, int) override {
        return std::nullopt;
    }
    bool Said() const { return said_; }

private:
    QTextStream& messages_;
    QString name_;
    bool said_ = false;
};

int Rename(Database& db, const QString& oldName, const QString& newName, QTextStream& err) {
    if (!FormatExists(db, oldName, err)) return ExitCode::kFailed;
    // The window takes an unchanged name as "nothing to do"; so does the command.
    if (newName.trimmed() == oldName) return ExitCode::kDone;
    CommandAnswers answers(err, newName);
    FormatTreeValue tree = LoadFormatTree(db);
    return RenameTreeFormat(tree, db, answers, oldName) ? ExitCode::kDone : ExitCode::kFailed;
}

int Delete(Database& db, const QString& name, QTextStream& err) {
    if (!FormatExists(db, name, err)) return ExitCode::kFailed;
    FormatStore store(db);
    CommandAnswers answers(err, QString());
    FormatTreeValue tree = LoadFormatTree(db);
    if (DeleteTreeFormat(tree, db, answers, name, store.ReadLastUse().formatName)) return ExitCode::kDone;
    // A refusal has said why; a failing database has not.
    if (!answers.Said()) err << FormatTreeTexts::DeleteFailed(name) << Qt::endl;
    return ExitCode::kFailed;
}

// The empty name is the last-use row, never a format.
int RunRename(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2 || args[0].isEmpty() || args[1].trimmed().isEmpty())
        return UsageError(err, QStringLiteral("需要原格式名和新格式名"), kRenameUsage);
    return RunWithStore(err, [&](Database& db) { return Rename(db, args[0], args[1], err); });
}

int RunDelete(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 1 || args[0].isEmpty()) return UsageError(err, QStringLiteral("需要一个格式名"), kDeleteUsage);
    return RunWithStore(err, [&](Database& db) { return Delete(db, args[0], err); });
}

} // namespace

SubCommand RenameFormatSubCommand() {
    return {QStringLiteral("rename-format"), kRenameUsage, QStringLiteral("格式改名，记录和底图随之改名"),
            SubCommand::Needs::Core, RunRename};
}

SubCommand DeleteFormatSubCommand() {
    return {QStringLiteral("delete-format"), kDeleteUsage, QStringLiteral("删除格式及其全部记录"),
            SubCommand::Needs::Core, RunDelete};
}
