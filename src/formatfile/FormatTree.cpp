#include "formatfile/FormatTree.h"

#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

namespace {

FormatTreeValue FromStored(const QString& stored) {
    return stored.isEmpty() ? FormatTreeValue::Build({}) : FormatTreeValue::Parse(stored);
}

} // namespace

FormatTreeValue StoredFormatTree(Database& db) {
    return FromStored(ParamStore(db).GetParam(kFormatTreeParam));
}

FormatTreeValue LoadFormatTree(Database& db) {
    const QString stored = ParamStore(db).GetParam(kFormatTreeParam);
    FormatTreeValue tree = FromStored(stored);
    tree.Reconcile(FormatStore(db).FormatNames());
    if (tree.ToString() != stored) SaveFormatTree(db, tree);
    return tree;
}

bool SaveFormatTree(Database& db, const FormatTreeValue& tree) {
    return ParamStore(db).SetParam(kFormatTreeParam, tree.ToString());
}

bool AddFormatToTree(Database& db, const QString& name) {
    Database::Transaction transaction(db);
    FormatTreeValue tree = StoredFormatTree(db);
    tree.AddFormat(name);
    tree.Reconcile(FormatStore(db).FormatNames());
    return SaveFormatTree(db, tree) && transaction.Commit();
}
