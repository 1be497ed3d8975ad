#include "records/Defaults.h"

#include "core/Progress.h"
#include "records/BoxValues.h"
#include "records/LabelGroup.h"
#include "records/RecordsTexts.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"

namespace {

// The boxes of `page` that take a shared value: those labelled like the source box.
QList<qint64> SameLabelledBoxes(Database& db, const QString& page, const QString& label,
                                bool* ok) {
    const QueryResult result =
        db.Query(QStringLiteral("SELECT ID FROM Fmt WHERE Fmt=? AND LBL=? ORDER BY ID"),
                 {page, label});
    *ok = !result.failed;
    QList<qint64> ids;
    for (const QVariantList& row : result.rows) ids << row.value(0).toLongLong();
    return ids;
}

bool InsertDefault(Database& db, const QString& page, qint64 id, const QString& value) {
    return db.Exec(QStringLiteral("INSERT INTO 默认(Fmt, ID, Con) VALUES(?, ?, ?)"),
                   {page, id, value});
}

// Stores one box's value for the pages it reaches; false on a failed statement.
bool StoreBoxDefault(Database& db, const Format& format, const QStringList& pages,
                     const BoxRecord& box, const QString& value) {
    const bool shared = box.label.startsWith(QLatin1Char('S'));
    const int ownPage = PageNumber(format.name);
    for (const QString& page : shared ? pages : QStringList{format.name}) {
        if (PageNumber(page) < ownPage) continue;
        if (page == format.name) {
            if (!InsertDefault(db, page, box.id, value)) return false;
            continue;
        }
        bool ok = false;
        for (qint64 id : SameLabelledBoxes(db, page, box.label, &ok)) {
            if (!db.Exec(QStringLiteral("DELETE FROM 默认 WHERE Fmt=? AND ID=?"), {page, id})
                || !InsertDefault(db, page, id, value))
                return false;
        }
        if (!ok) return false;
    }
    return true;
}

} // namespace

int PageNumber(const QString& formatName) { return SplitLabelGroup(formatName).group; }

QStringList FormatPages(Database& db, const QString& formatName) {
    QStringList pages{formatName};
    const qsizetype underscore = formatName.lastIndexOf(QLatin1Char('_'));
    if (underscore < 0) return pages;
    const QString prefix = formatName.left(underscore + 1);
    // LIKE narrows by the index; the exact prefix test keeps ASCII case apart.
    const QueryResult result = db.Query(
        QStringLiteral("SELECT Fmt FROM Fmt WHERE Fmt LIKE ? ESCAPE '\\' AND Fmt<>? "
                       "AND substr(Fmt, 1, length(?))=? GROUP BY Fmt ORDER BY Fmt"),
        {EscapeLike(prefix) + QLatin1Char('%'), formatName, prefix, prefix});
    for (const QVariantList& row : result.rows) pages << row.value(0).toString();
    return pages;
}

bool SaveDefaults(Database& db, const Format& format, const Bill& bill, Progress& progress) {
    if (format.name.isEmpty()) return false;
    const QList<const BoxRecord*> boxes = ValueBoxes(format);
    ProgressScope progressScope(progress, RecordsText::kSavingDefaults, int(boxes.size()));
    Database::Transaction transaction(db);
    if (!transaction.Active()) return false;
    const QStringList pages = FormatPages(db, format.name);
    if (!db.Exec(QStringLiteral("DELETE FROM 默认 WHERE Fmt=?"), {format.name})) return false;
    for (const BoxRecord* box : boxes) {
        const QString value = StoredValue(*box, bill);
        if (!value.isEmpty() && !StoreBoxDefault(db, format, pages, *box, value)) return false;
        progressScope.Step();
    }
    return transaction.Commit();
}

bool LoadDefaults(Database& db, const Format& format, Bill& bill, const ValueFilling& filling,
                  Progress& progress) {
    const QueryResult result =
        db.Query(QStringLiteral("SELECT ID, Con FROM 默认 WHERE Fmt=? ORDER BY rowid"), {format.name});
    if (result.failed) return false;
    ProgressScope progressScope(progress, RecordsText::kLoadingDefaults, int(result.rows.size()));
    for (const QVariantList& row : result.rows) {
        if (const BoxRecord* box = format.FindBox(row.value(0).toLongLong()))
            WriteBoxValue(*box, bill, row.value(1).toString(), filling);
        progressScope.Step();
    }
    return true;
}
