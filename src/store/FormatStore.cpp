#include "store/FormatStore.h"

#include "store/FormatHold.h"

#include "store/BackgroundPictures.h"
#include "store/BoxColumns.h"
#include "store/Database.h"
#include "store/FormatLimits.h"
#include "store/PrinterProfileStore.h"
#include "core/Progress.h"
#include "store/ServerSql.h"
#include "store/StoreTexts.h"

#include <QHash>
#include <QSet>
#include <cmath>

namespace {

// Every box column but the ID, in field order.
QString BoxColumnNames() {
    QStringList names;
    for (const BoxColumn& column : kBoxColumnTable)
        if (column.field != BoxField::Id) names << QLatin1String(column.storeName);
    return names.join(QStringLiteral(", "));
}
const QString kBoxColumns = BoxColumnNames();

// Rows of a format other than its page parameters (old files may hold a NULL label).
const QString kBoxRowsOf = QStringLiteral("Fmt=? AND (LBL IS NULL OR LBL<>?)");

// Per-format parameters are keys name + "=>...". SQLite's LIKE ignores ASCII case
// while format names are compared exactly, so the prefix is checked exactly as well.
const QString kParamsOfFormat =
    QStringLiteral("Var LIKE ? ESCAPE '\\' AND substr(Var, 1, length(?))=?");

QVariantList ParamsOfFormat(const QString& name) {
    const QString prefix = name + QStringLiteral("=>");
    return {EscapeLike(prefix) + QLatin1Char('%'), prefix, prefix};
}

// A row of "ID, " + kBoxColumns.
BoxRecord BoxFromRow(const QVariantList& row) {
    BoxRecord box;
    for (const BoxColumn& column : kBoxColumnTable)
        SetFieldValue(box, column.field, row[static_cast<int>(column.field)]);
    return box;
}

// The values of "Fmt, " + kBoxColumns.
QVariantList RowFromBox(const QString& formatName, const BoxRecord& box) {
    QVariantList row{formatName};
    for (const BoxColumn& column : kBoxColumnTable)
        if (column.field != BoxField::Id) row << FieldValue(box, column.field);
    return row;
}

// Points the box's links at the new IDs of boxes that got new rows.
void RetargetLinks(BoxRecord& box, const QHash<qint64, qint64>& newIds) {
    for (double* link : {&box.rctl, &box.sumId, &box.sumId1}) {
        const auto it = newIds.constFind(LinkTarget(*link));
        if (it != newIds.constEnd()) *link = RetargetLink(*link, it.value());
    }
    const auto it = newIds.constFind(LinkTarget(double(box.rctl1)));
    if (it != newIds.constEnd())
        box.rctl1 = std::llround(RetargetLink(double(box.rctl1), it.value()));
}

} // namespace

bool FormatStore::Exists(const QString& name) {
    return !db_.Query(QStringLiteral("SELECT 1 FROM Fmt WHERE Fmt=? LIMIT 1"), {name}).Empty();
}

QStringList FormatStore::FormatNames() {
    const QueryResult result = db_.Query(
        QStringLiteral("SELECT Fmt FROM Fmt WHERE LBL=? GROUP BY Fmt ORDER BY Fmt"),
        {kPageParamsLabel});
    QStringList names;
    for (const QVariantList& row : result.rows) names << row.value(0).toString();
    return names;
}

std::optional<PageParams> FormatStore::LoadPageParams(const QString& name) {
    const QueryResult result = db_.Query(
        QStringLiteral("SELECT W, H, X, Y, Color, Mem FROM Fmt WHERE Fmt=? AND LBL=? "
                       "ORDER BY ID LIMIT 1"),
        {name, kPageParamsLabel});
    if (result.Empty()) return std::nullopt;
    const QVariantList& row = result.rows.first();
    PageParams page;
    page.width = row[0].toDouble();
    page.height = row[1].toDouble();
    page.offsetX = row[2].toDouble();
    page.offsetY = row[3].toDouble();
    page.designScreenWidth = row[4].toLongLong();
    DecodePageOptions(row[5].toString(), page.options);
    // Formats stored before the limits may hold values nothing can draw.
    ClampPageParams(page);
    return page;
}

bool FormatStore::SavePageParams(const QString& name, const PageParams& page,
                                 qint64 screenWidthTwips) {
    Database::Transaction transaction(db_);
    const QueryResult existing = db_.Query(
        QStringLiteral("SELECT ID FROM Fmt WHERE Fmt=? AND LBL=? ORDER BY ID"),
        {name, kPageParamsLabel});
    if (existing.failed) return false;
    const QVariantList values = {name, kPageParamsLabel, page.width, page.height, page.offsetX,
                                 page.offsetY, screenWidthTwips, EncodePageOptions(page.options)};
    bool ok;
    if (existing.Empty()) {
        ok = db_.Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL, W, H, X, Y, Color, Mem) "
                                     "VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
                      values);
    } else {
        ok = db_.Exec(QStringLiteral("UPDATE Fmt SET Fmt=?, LBL=?, W=?, H=?, X=?, Y=?, Color=?, "
                                     "Mem=? WHERE ID=?"),
                      values + QVariantList{existing.rows.first().value(0)});
        // A second page-parameter row (left by an older save) would make the format
        // ambiguous: only the first one stays.
        for (qsizetype i = 1; ok && i < existing.rows.size(); ++i)
            ok = db_.Exec(QStringLiteral("DELETE FROM Fmt WHERE ID=?"), {existing.rows[i].value(0)});
    }
    return ok && transaction.Commit();
}

std::optional<Format> FormatStore::LoadFormat(const QString& name, qint64 screenWidthTwips) {
    std::optional<PageParams> page = LoadPageParams(name);
    if (!page) return std::nullopt;
    Format format;
    format.name = name;
    format.page = *page;
    const QueryResult result = db_.Query(
        QStringLiteral("SELECT ID, %1 FROM Fmt WHERE %2 ORDER BY Clas, ID").arg(kBoxColumns, kBoxRowsOf),
        {name, kPageParamsLabel});
    const double factor = DisplayFactor(page->designScreenWidth, screenWidthTwips);
    if (db_.IsServer()) {
        const qint64 version = StoredVersion(name);
        if (version < 0) return std::nullopt;
        versionsRead_.insert(name, version);
        // Drawing and printing read the picture from this seat's copy.
        BackgroundPictures(db_).Fetch(name);
    }
    format.boxes.reserve(result.rows.size());
    for (const QVariantList& row : result.rows) {
        BoxRecord box = BoxFromRow(row);
        ClampBox(box);
        if (factor != 1.0) box.fontSize = ScaledFontSize(box.fontSize, factor);
        format.boxes << box;
    }
    return format;
}

bool FormatStore::MayChangeFormats() {
    if (!db_.IsServer()) return true;
    const QueryResult result = db_.Query(QStringLiteral(
        "SELECT has_table_privilege(c.oid, 'INSERT') FROM pg_catalog.pg_class c"
        " JOIN pg_catalog.pg_namespace n ON n.oid=c.relnamespace"
        " WHERE n.nspname=current_schema() AND c.relname=?"),
        {ServerName(QStringLiteral("Fmt"))});
    return result.rows.value(0).value(0).toLongLong() == 1;
}

qint64 FormatStore::StoredVersion(const QString& name) {
    if (!db_.IsServer()) return 0;
    const QueryResult result =
        db_.Query(QStringLiteral("SELECT Version FROM 格式版本 WHERE Fmt=?"), {name});
    return result.failed ? -1 : result.rows.value(0).value(0).toLongLong();
}

bool FormatStore::AcceptStoredVersion(const QString& name) {
    const qint64 version = StoredVersion(name);
    if (version < 0) return false;
    if (db_.IsServer()) versionsRead_.insert(name, version);
    return true;
}

qint64 FormatStore::RaiseVersion(const QString& name, std::optional<qint64> seen) {
    if (!db_.IsServer()) return 0;
    if (!db_.LockFormatChanges(name)) return -1;
    const qint64 stored = StoredVersion(name);
    if (stored < 0) return -1;
    changedElsewhere_ = seen && *seen != stored;
    if (changedElsewhere_) return -1;
    const bool written =
        stored == 0 ? db_.Exec(QStringLiteral("INSERT INTO 格式版本(Fmt, Version) VALUES(?, 1)"), {name})
                    : db_.Exec(QStringLiteral("UPDATE 格式版本 SET Version=? WHERE Fmt=?"), {stored + 1, name});
    return written ? stored + 1 : -1;
}

bool FormatStore::SaveFormat(Format& format, const QString& name, qint64 screenWidthTwips,
                             Progress& progress) {
    const QString target = name.isEmpty() ? format.name : name;
    // The empty name is the last-use row, never a format.
    if (target.isEmpty()) return false;
    const FormatHold hold(db_, target, FormatHold::Purpose::Change);
    refusedWhilePrinting_ = !hold.Held();
    changedElsewhere_ = false;
    if (refusedWhilePrinting_) return false;
    ProgressScope progressScope(progress, StoreTexts::kSavingFormat, int(format.boxes.size()) + 1);
    Database::Transaction transaction(db_);
    if (!transaction.Active()) return false;
    // Saving the format it was read as checks that no one saved it since; saving
    // under another name is a new format or one the caller asked to overwrite.
    const std::optional<qint64> read =
        target == format.name && versionsRead_.contains(target) ? std::optional(versionsRead_.value(target))
                                                                : std::nullopt;
    const qint64 version = RaiseVersion(target, read);
    if (version < 0) return false;

    QSet<qint64> stored;
    const QueryResult rows = db_.Query(
        QStringLiteral("SELECT ID FROM Fmt WHERE %1").arg(kBoxRowsOf), {target, kPageParamsLabel});
    // Without the stored rows, old rows would survive beside the new ones.
    if (rows.failed) return false;
    for (const QVariantList& row : rows.rows) stored.insert(row.value(0).toLongLong());

    // A box keeps its row when the row is this format's; every other box (temporary
    // ID, a box of another format, a second box claiming the same row) gets a new one.
    QList<BoxRecord> saved = format.boxes;
    QList<bool> needsRow(saved.size(), true);
    QSet<qint64> kept;
    for (qsizetype i = 0; i < saved.size(); ++i) {
        const qint64 id = saved[i].id;
        if (!IsTemporaryId(id) && stored.contains(id) && !kept.contains(id)) {
            kept.insert(id);
            needsRow[i] = false;
        }
    }
    for (qint64 id : std::as_const(stored))
        if (!kept.contains(id) && !db_.Exec(QStringLiteral("DELETE FROM Fmt WHERE ID=?"), {id}))
            return false;

    // First every new box gets its ID, so that links between new boxes can follow.
    QHash<qint64, qint64> newIds;
    for (qsizetype i = 0; i < saved.size(); ++i) {
        if (!needsRow[i]) continue;
        if (!db_.Exec(QStringLiteral("INSERT INTO Fmt(Fmt) VALUES(?)"), {target})) return false;
        const qint64 oldId = saved[i].id;
        saved[i].id = db_.LastInsertId();
        // 0 means "no link"; it must never be taken for a box.
        if (oldId > 0 && !newIds.contains(oldId)) newIds.insert(oldId, saved[i].id);
    }

    const QString update = QStringLiteral("UPDATE Fmt SET Fmt=?, %1 WHERE ID=?")
                               .arg(QString(kBoxColumns).replace(QStringLiteral(","),
                                                                 QStringLiteral("=?,"))
                                    + QStringLiteral("=?"));
    for (BoxRecord& box : saved) {
        RetargetLinks(box, newIds);
        if (!db_.Exec(update, RowFromBox(target, box) + QVariantList{box.id})) return false;
        progressScope.Step();
    }
    if (!SavePageParams(target, format.page, screenWidthTwips) || !transaction.Commit())
        return false;
    progressScope.Step();
    format.boxes = std::move(saved);
    format.page.designScreenWidth = screenWidthTwips;
    if (db_.IsServer()) versionsRead_.insert(target, version);
    return true;
}

bool FormatStore::SaveAs(Format& format, const QString& newName, qint64 screenWidthTwips,
                         Progress& progress) {
    Database::Transaction transaction(db_);
    Format saved = format;
    if (!SaveFormat(saved, newName, screenWidthTwips, progress)
        || !CopyFormatParams(format.name, newName) || !transaction.Commit())
        return false;
    format = std::move(saved);
    return true;
}

bool FormatStore::CopyFormatParams(const QString& from, const QString& to) {
    if (from == to) return true;
    Database::Transaction transaction(db_);
    // Read first: `to` may itself start with `from` + "=>".
    const QueryResult source = db_.Query(
        QStringLiteral("SELECT Var, Con FROM 参数 WHERE %1 ORDER BY rowid").arg(kParamsOfFormat),
        ParamsOfFormat(from));
    if (source.failed) return false;
    if (!db_.Exec(QStringLiteral("DELETE FROM 参数 WHERE %1").arg(kParamsOfFormat),
                  ParamsOfFormat(to)))
        return false;
    const qsizetype prefixLength = from.size() + 2;
    for (const QVariantList& row : source.rows) {
        const QString key = to + QStringLiteral("=>") + row.value(0).toString().mid(prefixLength);
        if (!db_.Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, ?)"), {key, row.value(1)}))
            return false;
    }
    return transaction.Commit();
}

bool FormatStore::DeleteFormatRows(const QString& name) {
    // The empty name is the last-use row, never a format.
    if (name.isEmpty()) return false;
    const FormatHold hold(db_, name, FormatHold::Purpose::Change);
    refusedWhilePrinting_ = !hold.Held();
    if (refusedWhilePrinting_) return false;
    Database::Transaction transaction(db_);
    for (const char* table : {"历史", "默认", "映射", "Fmt"})
        if (!db_.Exec(QStringLiteral("DELETE FROM %1 WHERE Fmt=?").arg(QString::fromUtf8(table)),
                      {name}))
            return false;
    return db_.Exec(QStringLiteral("DELETE FROM 参数 WHERE %1").arg(kParamsOfFormat),
                    ParamsOfFormat(name))
           && DeleteFormatProfiles(db_, name) && BackgroundPictures(db_).ForgetWithFormat(name)
           && transaction.Commit();
}

FormatStore::LastUse FormatStore::ReadLastUse() {
    LastUse lastUse;
    const QueryResult result =
        db_.Query(QStringLiteral("SELECT LBL, fName FROM Fmt WHERE Fmt='' ORDER BY ID LIMIT 1"));
    if (result.Empty()) return lastUse;
    lastUse.formatName = result.rows.first().value(0).toString();
    const QString boxes = result.rows.first().value(1).toString();
    if (!boxes.isEmpty()) {
        const QStringList items = boxes.split(QStringLiteral("§☆§"));
        std::array<int, 3> values{};
        for (qsizetype i = 0; i < 3 && i < items.size(); ++i)
            values[i] = int(items[i].trimmed().toDouble());
        lastUse.optionBoxes = values;
    }
    return lastUse;
}

bool FormatStore::WriteLastUse(const QString& name, const std::array<int, 3>& optionBoxes) {
    const QString boxes = QString::number(optionBoxes[0]) + QStringLiteral("§☆§")
                          + QString::number(optionBoxes[1]) + QStringLiteral("§☆§")
                          + QString::number(optionBoxes[2]);
    Database::Transaction transaction(db_);
    if (!db_.Exec(QStringLiteral("UPDATE Fmt SET LBL=?, fName=? WHERE Fmt=''"), {name, boxes}))
        return false;
    // The schema creates the row; should it be gone, the next start still finds it.
    if (db_.Changes() == 0
        && !db_.Exec(QStringLiteral("INSERT INTO Fmt(Fmt, LBL, fName) VALUES('', ?, ?)"),
                     {name, boxes}))
        return false;
    return transaction.Commit();
}

QString BackgroundPicturePath(const QString& formatName) {
    return BackgroundPictureFolder() + QLatin1Char('/') + PictureFileName(formatName);
}
