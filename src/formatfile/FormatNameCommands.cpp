#include "formatfile/FormatNameCommands.h"

#include "core/Asker.h"
#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeCommands.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QTextStream>

namespace {

constexpr int kFailed = 1;

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

// False (after saying so) when no format has this name.
bool Exists(Database& db, const QString& name, QTextStream& err) {
    if (FormatStore(db).Exists(name)) return true;
    err << FormatFileTexts::FormatMissing(name) << Qt::endl;
    return false;
}

} // namespace

int RenameFormatCommand(Database& db, const QString& oldName, const QString& newName,
                        QTextStream& err) {
    if (!Exists(db, oldName, err)) return kFailed;
    // The window takes an unchanged name as "nothing to do"; so does the command.
    if (newName.trimmed() == oldName) return 0;
    CommandAnswers answers(err, newName);
    FormatTreeValue tree = LoadFormatTree(db);
    return RenameTreeFormat(tree, db, answers, oldName) ? 0 : kFailed;
}

int DeleteFormatCommand(Database& db, const QString& name, QTextStream& err) {
    if (!Exists(db, name, err)) return kFailed;
    FormatStore store(db);
    CommandAnswers answers(err, QString());
    FormatTreeValue tree = LoadFormatTree(db);
    if (DeleteTreeFormat(tree, db, answers, name, store.ReadLastUse().formatName)) return 0;
    // A refusal has said why; a failing database has not.
    if (!answers.Said()) err << FormatTreeTexts::DeleteFailed(name) << Qt::endl;
    return kFailed;
}
