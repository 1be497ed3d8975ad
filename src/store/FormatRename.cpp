#include "store/FormatRename.h"

#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/FormatStore.h"
#include "store/PrinterProfileStore.h"

namespace {

// Exact, case-sensitive prefix: SQLite's LIKE would ignore ASCII case and take
// "_" and "%" in a name as wildcards.
const QString kKeyHasPrefix = QStringLiteral("substr(Var, 1, length(?))=?");
const QString kParamSeparator = QStringLiteral("=>");
const QString kColumnOrderSuffix = QStringLiteral("_列顺序");

bool MoveRows(Database& db, const QString& oldName, const QString& newName) {
    for (const char* table : {"Fmt", "历史", "默认", "映射"})
        if (!db.Exec(QStringLiteral("UPDATE %1 SET Fmt=? WHERE Fmt=?").arg(QString::fromUtf8(table)),
                     {newName, oldName}))
            return false;
    // The window opens the last-used format at start: it must find it by its new name.
    return db.Exec(QStringLiteral("UPDATE Fmt SET LBL=? WHERE Fmt='' AND LBL=?"),
                   {newName, oldName});
}

bool MoveParams(Database& db, const QString& oldName, const QString& newName) {
    const QString oldPrefix = oldName + kParamSeparator;
    const QString newPrefix = newName + kParamSeparator;
    const QString oldOrder = oldName + kColumnOrderSuffix;
    const QString newOrder = newName + kColumnOrderSuffix;
    // Keys a deleted format of the new name left behind would shadow the moved ones.
    return db.Exec(QStringLiteral("DELETE FROM 参数 WHERE %1").arg(kKeyHasPrefix),
                   {newPrefix, newPrefix})
           && db.Exec(QStringLiteral("UPDATE 参数 SET Var=? || substr(Var, length(?) + 1) WHERE %1")
                          .arg(kKeyHasPrefix),
                      {newPrefix, oldPrefix, oldPrefix, oldPrefix})
           && (oldOrder == newOrder
               || (db.Exec(QStringLiteral("DELETE FROM 参数 WHERE Var=?"), {newOrder})
                   && db.Exec(QStringLiteral("UPDATE 参数 SET Var=? WHERE Var=?"),
                              {newOrder, oldOrder})));
}

} // namespace

RenameOutcome RenameFormatRecords(Database& db, const QString& oldName, const QString& newName,
                                  const std::function<bool()>& alsoInTransaction) {
    // The empty name is the last-use row, never a format.
    if (oldName.isEmpty() || newName.isEmpty()) return RenameOutcome::Failed;
    FormatStore store(db);
    if (oldName == newName) return store.Exists(oldName) ? RenameOutcome::Renamed : RenameOutcome::Missing;
    const FormatHold hold(db, oldName, FormatHold::Purpose::Change);
    if (!hold.Held()) return RenameOutcome::Printing;
    Database::Transaction transaction(db);
    if (!transaction.Active()) return RenameOutcome::Failed;
    if (!store.Exists(oldName)) return RenameOutcome::Missing;
    if (store.Exists(newName)) return RenameOutcome::Taken;

    BackgroundPictures pictures(db);
    if (pictures.InTheWayOfRename(oldName, newName)) return RenameOutcome::PictureInTheWay;

    if (!MoveRows(db, oldName, newName) || !MoveParams(db, oldName, newName)
        || !RenameFormatProfiles(db, oldName, newName)
        || (alsoInTransaction && !alsoInTransaction()))
        return RenameOutcome::Failed;
    // The picture moves last, so that a refused move leaves the records untouched.
    if (!pictures.Rename(oldName, newName)) return RenameOutcome::Failed;
    if (!transaction.Commit()) {
        pictures.UndoRename(oldName, newName);
        return RenameOutcome::Failed;
    }
    return RenameOutcome::Renamed;
}
