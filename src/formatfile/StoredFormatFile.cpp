#include "formatfile/StoredFormatFile.h"

#include "formatfile/FormatTree.h"
#include "formatfile/FormatFileTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "core/Progress.h"

namespace {

// Exact, case-sensitive prefix match; LIKE alone ignores ASCII case.
const QString kKeyHasPrefix = QStringLiteral("substr(Var, 1, length(?))=?");

QString CustomTypePrefix(const QString& name) {
    return name + QStringLiteral("=>") + FormatFileTexts::kCustomTypePrefix;
}

QList<CustomContentEntry> ReadCustomTypes(Database& db, const QString& name) {
    const QString prefix = CustomTypePrefix(name);
    const QueryResult rows = db.Query(
        QStringLiteral("SELECT Var, Con FROM 参数 WHERE %1 ORDER BY rowid").arg(kKeyHasPrefix),
        {prefix, prefix});
    QList<CustomContentEntry> entries;
    for (const QVariantList& row : rows.rows)
        entries.append({row.value(0).toString().mid(name.size() + 2), row.value(1).toString()});
    return entries;
}

bool ReplaceCustomTypes(Database& db, const QString& name, const QList<CustomContentEntry>& entries) {
    const QString prefix = name + QStringLiteral("=>");
    if (!db.Exec(QStringLiteral("DELETE FROM 参数 WHERE %1").arg(kKeyHasPrefix), {prefix, prefix}))
        return false;
    ParamStore params(db);
    for (const CustomContentEntry& entry : entries)
        if (!params.SetParam(prefix + entry.key, entry.value)) return false;
    return true;
}

} // namespace

std::optional<FormatFileContent> ReadStoredFormat(Database& db, const QString& name) {
    FormatStore store(db);
    const std::optional<PageParams> page = store.LoadPageParams(name);
    if (!page) return std::nullopt;
    // Read at the design width, so font sizes come back as stored.
    const qint64 designWidth = page->designScreenWidth == 0 ? 15360 : page->designScreenWidth;
    const std::optional<Format> format = store.LoadFormat(name, designWidth);
    if (!format) return std::nullopt;

    FormatFileContent content;
    content.nameLine = name;
    content.page = *page;
    content.boxes = format->boxes;
    content.pageId = db.LookupWhere(QStringLiteral("Fmt"), QStringLiteral("Fmt=? AND LBL=?"),
                                    {name, kPageParamsLabel}, QStringLiteral("ID"))
                         .toLongLong();
    content.custom = ReadCustomTypes(db, name);
    return content;
}

bool StoreImportedFormat(Database& db, const FormatFileContent& content, const QString& name) {
    Database::Transaction transaction(db);
    FormatStore store(db);
    // Never merged into, or over, a format that exists.
    if (!transaction.Active() || name.isEmpty() || store.Exists(name)) return false;
    // The file's IDs are foreign here: the store gives each box a new row and moves
    // the links that named an old ID onto the new one.
    Format format;
    format.name = name;
    format.page = content.page;
    format.boxes = content.boxes;
    // Rows take their IDs in file order, so the format exports in the order it came.
    const qint64 designWidth = content.page.designScreenWidth;
    if (content.pageFirst && !store.SavePageParams(name, content.page, designWidth)) return false;
    SilentProgress quiet; // the import shows its own progress
    return store.SaveFormat(format, name, designWidth, quiet)
           && ReplaceCustomTypes(db, name, content.custom) && AddFormatToTree(db, name)
           && transaction.Commit();
}
