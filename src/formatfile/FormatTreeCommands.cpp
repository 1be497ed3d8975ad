#include "formatfile/FormatTreeCommands.h"

#include "core/Asker.h"
#include "formatfile/FormatTree.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/Database.h"
#include "store/FormatOperations.h"
#include "store/FormatRename.h"
#include "store/FormatStore.h"
#include "store/NameRules.h"
#include "store/StoreTexts.h"

using namespace FormatTreeTexts;

namespace {

// Stores the changed tree, first making it agree with the formats that exist (a
// removed "其他" comes back; it always exists).
bool Settle(FormatTreeValue& tree, Database& db) {
    tree.Reconcile(FormatStore(db).FormatNames());
    return SaveFormatTree(db, tree);
}

// The trimmed answer to a name prompt; nullopt when cancelled, empty or unchanged.
std::optional<QString> AskNewName(Asker& asker, const QString& prompt, const QString& preset) {
    const std::optional<QString> answer = asker.AskText(prompt, preset);
    if (!answer) return std::nullopt;
    const QString name = answer->trimmed();
    if (name.isEmpty() || name == preset) return std::nullopt;
    return name;
}

bool IsNodeText(const FormatTreeValue& tree, const QString& text) {
    return text == kRootText || tree.classes.contains(text) || tree.Contains(text);
}

QString RenameProblem(RenameOutcome outcome, const QString& oldName, const QString& newName) {
    switch (outcome) {
    case RenameOutcome::Renamed: return {};
    case RenameOutcome::Taken: return FormatExists(newName);
    case RenameOutcome::Missing: return FormatFileTexts::FormatMissing(oldName);
    case RenameOutcome::PictureInTheWay: return PictureInTheWay(BackgroundPicturePath(newName));
    case RenameOutcome::Printing: return StoreTexts::FormatPrinting(oldName, StoreTexts::kRenameVerb);
    case RenameOutcome::Failed: break;
    }
    return RenameFailed(oldName);
}

} // namespace

std::optional<QString> AddTreeClass(FormatTreeValue& tree, Database& db, Asker& asker) {
    const std::optional<QString> name = AskNewName(asker, kClassNamePrompt, QString());
    if (!name) return std::nullopt;
    if (const QString fault = ClassNameFault(*name); !fault.isEmpty()) {
        asker.Message(fault);
        return std::nullopt;
    }
    if (IsNodeText(tree, *name)) {
        asker.Message(ClassExists(*name));
        return std::nullopt;
    }
    tree.AddClass(*name);
    Settle(tree, db);
    return name;
}

bool DeleteTreeFormat(FormatTreeValue& tree, Database& db, Asker& asker, const QString& name,
                      const QString& currentName) {
    FormatStore store(db);
    if (!DeleteFormat(store, asker, name, currentName)) return false;
    tree.RemoveFormat(name);
    Settle(tree, db);
    return true;
}

bool DeleteTreeClass(FormatTreeValue& tree, Database& db, Asker& asker, const QString& className,
                     const QString& currentName) {
    const qsizetype at = tree.classes.indexOf(className);
    if (at < 0 || !asker.AskYesNo(kConfirmDeleteClass)) return false;
    FormatStore store(db);
    const QStringList formats = tree.lists[at];
    bool changed = false;
    for (qsizetype i = formats.size() - 1; i >= 0; --i) {
        if (!DeleteFormat(store, asker, formats[i], currentName)) {
            if (changed) Settle(tree, db);
            return changed;
        }
        tree.RemoveFormat(formats[i]);
        changed = true;
    }
    tree.RemoveClass(className);
    Settle(tree, db);
    return true;
}

std::optional<QString> RenameTreeClass(FormatTreeValue& tree, Database& db, Asker& asker,
                                       const QString& className) {
    if (!tree.classes.contains(className)) return std::nullopt;
    const std::optional<QString> name = AskNewName(asker, kNewNamePrompt, className);
    if (!name) return std::nullopt;
    if (const QString fault = RenamedClassNameFault(*name); !fault.isEmpty()) {
        asker.Message(fault);
        return std::nullopt;
    }
    if (tree.classes.contains(*name)) {
        asker.Message(RenamedClassExists(*name));
        return std::nullopt;
    }
    tree.RenameClass(className, *name);
    Settle(tree, db);
    return name;
}

std::optional<QString> RenameTreeFormat(FormatTreeValue& tree, Database& db, Asker& asker,
                                        const QString& name) {
    const std::optional<QString> newName = AskNewName(asker, kNewNamePrompt, name);
    if (!newName) return std::nullopt;
    if (const QString fault = FormatNameFault(*newName); !fault.isEmpty()) {
        asker.Message(fault);
        return std::nullopt;
    }
    // The node keeps its place: the stored tree is renamed in the same transaction.
    const RenameOutcome outcome = RenameFormatRecords(db, name, *newName, [&] {
        FormatTreeValue stored = StoredFormatTree(db);
        stored.RenameFormat(name, *newName);
        return Settle(stored, db);
    });
    if (outcome != RenameOutcome::Renamed) {
        asker.Message(RenameProblem(outcome, name, *newName));
        return std::nullopt;
    }
    tree = StoredFormatTree(db);
    return newName;
}

bool MoveTreeFormat(FormatTreeValue& tree, Database& db, const QString& name,
                    const QString& className) {
    if (!tree.MoveFormat(name, className)) return false;
    Settle(tree, db);
    return true;
}
