#include "store/StoreCopy.h"

#include "store/BackgroundPictures.h"
#include "store/BoxColumns.h"
#include "store/BoxIdCounter.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/PrinterProfileStore.h"
#include "store/StoreTexts.h"

#include <QFileInfo>
#include <QHash>
#include <limits>

namespace {

struct CopiedTable {
    QString name;
    QString columns;
    // The column the rows are read in order of, a page at a time; empty for a small
    // table read whole.
    QString key;
};

QString FmtColumns() {
    QString columns = QStringLiteral("Fmt");
    for (const BoxColumn& column : kBoxColumnTable) columns += QStringLiteral(", ") + QLatin1String(column.storeName);
    return columns;
}

const QString kProfiles = QStringLiteral("PrinterProfile");

const QList<CopiedTable> kTables = {
    {QStringLiteral("Fmt"), FmtColumns(), QStringLiteral("ID")},
    {QStringLiteral("历史"), QStringLiteral("ID, Fmt, CID, Con"), QStringLiteral("rowid")},
    {QStringLiteral("默认"), QStringLiteral("Fmt, ID, Con"), QStringLiteral("rowid")},
    {QStringLiteral("参数"), QStringLiteral("Var, Con"), QStringLiteral("rowid")},
    {QStringLiteral("映射"), QStringLiteral("ID, Fmt, Map"), QStringLiteral("rowid")},
    {QStringLiteral("网站格式"), QStringLiteral("ID, Clas, Name, Dat, fPath, pPath"), QStringLiteral("rowid")},
    {kProfiles, QStringLiteral("Seat, Queue, Fmt, OffsetX, OffsetY, ScaleX, ScaleY, Feed, Continuous"), {}},
};

// Rows are read this many at a time and written this many to a statement: one prepared
// text serves every full chunk, and both engines take its number of values.
constexpr int kPageRows = 2000;
constexpr int kInsertRows = 100;

qint64 CountOf(Database& db, const QString& sql) {
    return db.Query(sql).rows.value(0).value(0).toLongLong();
}

// The printer profiles' table is made with the first profile: a store may lack it.
bool Holds(Database& db, const CopiedTable& table) {
    return table.name != kProfiles || db.TableExists(kProfiles);
}

bool HoldsAnything(Database& db) {
    for (const CopiedTable& table : kTables) {
        if (!Holds(db, table)) continue;
        // Every store has its last-use row (Fmt=''); an empty one has nothing else.
        const QString where = table.name == QLatin1String("Fmt") ? QStringLiteral(" WHERE Fmt<>''") : QString();
        if (CountOf(db, QStringLiteral("SELECT count(*) FROM %1%2").arg(table.name, where)) > 0) return true;
    }
    return false;
}

// Format versions are kept on a server only. Every copied format gets a version above
// any the target had, so a seat that has one of the old formats open is asked before
// it saves over the copy.
qint64 HighestFormatVersion(Database& db) {
    return db.IsServer() ? CountOf(db, QStringLiteral("SELECT max(Version) FROM 格式版本")) : 0;
}

bool ForgetFormatVersions(Database& db) {
    return !db.IsServer() || db.Exec(QStringLiteral("DELETE FROM 格式版本"));
}

bool CarryFormatVersions(Database& from, Database& to, const QStringList& formats, qint64 above) {
    if (!to.IsServer()) return true;
    FormatStore source(from);
    for (const QString& name : formats)
        if (!to.Exec(QStringLiteral("INSERT INTO 格式版本(Fmt, Version) VALUES(?, ?)"),
                     {name, source.StoredVersion(name) + above + 1}))
            return false;
    return true;
}

// Each format's picture, or none: a file target may still hold a picture of that name.
bool CopyPictures(Database& from, Database& to, const QStringList& formats) {
    BackgroundPictures source(from), target(to);
    for (const QString& name : formats) {
        const QByteArray picture = source.Read(name);
        if (!(picture.isEmpty() ? target.Remove(name) : target.Write(name, picture))) return false;
    }
    return true;
}

class Copier {
public:
    Copier(Database& from, Database& to) : from_(from), to_(to) {}

    bool Empty() {
        for (const CopiedTable& table : kTables)
            if (Holds(to_, table) && !to_.Exec(QStringLiteral("DELETE FROM %1").arg(table.name))) return false;
        return BackgroundPictures(to_).ForgetAll() && ForgetFormatVersions(to_);
    }

    bool CopyTables() {
        for (const CopiedTable& table : kTables) {
            if (!Holds(from_, table)) continue;
            if (table.name == kProfiles && !EnsurePrinterProfileTable(to_)) return false;
            if (!CopyTable(table)) return false;
        }
        return RaiseBoxIdCounter(to_, ReadBoxIdCounter(from_));
    }

    QString Problem() const { return problem_; }

private:
    bool CopyTable(const CopiedTable& table) {
        const int width = int(table.columns.count(QLatin1Char(',')) + 1);
        if (table.key.isEmpty())
            return Insert(table, width, Read(QStringLiteral("SELECT %1 FROM %2").arg(table.columns, table.name), {}));
        // The key is read along as the last column, to start the next page after it.
        const QString page = QStringLiteral("SELECT %1, %2 FROM %3 WHERE %2>? ORDER BY %2 LIMIT %4")
                                 .arg(table.columns, table.key, table.name)
                                 .arg(kPageRows);
        QVariant last = qint64(std::numeric_limits<qint64>::min());
        for (;;) {
            QueryResult rows = Read(page, {last});
            if (rows.failed) return false;
            if (rows.Empty()) return true;
            last = rows.rows.last().value(width);
            for (QVariantList& row : rows.rows) row.removeLast();
            if (!Insert(table, width, rows)) return false;
        }
    }

    QueryResult Read(const QString& sql, const QVariantList& params) {
        QueryResult result = from_.Query(sql, params);
        if (result.failed) problem_ = from_.Path() + QStringLiteral("：") + from_.LastError();
        return result;
    }

    bool Insert(const CopiedTable& table, int width, const QueryResult& rows) {
        if (rows.failed) return false;
        for (qsizetype first = 0; first < rows.rows.size(); first += kInsertRows) {
            const qsizetype count = std::min<qsizetype>(kInsertRows, rows.rows.size() - first);
            QVariantList values;
            values.reserve(count * width);
            for (qsizetype i = first; i < first + count; ++i) values += rows.rows[i];
            if (!to_.Exec(InsertText(table, width, int(count)), values)) {
                problem_ = to_.Path() + QStringLiteral("：") + to_.LastError();
                return false;
            }
        }
        return true;
    }

    const QString& InsertText(const CopiedTable& table, int width, int count) {
        const QString key = table.name + QLatin1Char('/') + QString::number(count);
        auto text = insertTexts_.find(key);
        if (text != insertTexts_.end()) return *text;
        const QString row = QLatin1Char('(') + QStringLiteral("?, ").repeated(width - 1) + QStringLiteral("?)");
        QStringList rows(count, row);
        return *insertTexts_.insert(key, QStringLiteral("INSERT INTO %1(%2) VALUES %3")
                                             .arg(table.name, table.columns, rows.join(QStringLiteral(", "))));
    }

    Database& from_;
    Database& to_;
    QString problem_;
    QHash<QString, QString> insertTexts_;
};

StoreCopyCounts Counted(Database& db, const QStringList& formats) {
    StoreCopyCounts counts;
    counts.formats = formats.size();
    BackgroundPictures pictures(db);
    for (const QString& name : formats) counts.pictures += pictures.Exists(name) ? 1 : 0;
    counts.bills = CountOf(db, QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT Fmt, ID FROM 历史) AS bills"));
    counts.defaults = CountOf(db, QStringLiteral("SELECT count(*) FROM 默认"));
    counts.mappings = CountOf(db, QStringLiteral("SELECT count(*) FROM 映射"));
    counts.parameters = CountOf(db, QStringLiteral("SELECT count(*) FROM 参数"));
    if (db.TableExists(kProfiles)) counts.profiles = CountOf(db, QStringLiteral("SELECT count(*) FROM PrinterProfile"));
    return counts;
}

StoreCopyOutcome Failure(const QString& reason) {
    StoreCopyOutcome outcome;
    outcome.problem = StoreTexts::StoreCopyFailed(reason);
    return outcome;
}

QString ReasonOf(Database& db) { return db.Path() + QStringLiteral("：") + db.LastError(); }

} // namespace

StoreCopyOutcome CopyStore(Database& from, Database& to, bool replace) {
    // The source is read in one transaction of its own, so it holds still meanwhile.
    Database::Transaction reading(from);
    Database::Transaction writing(to);
    if (!reading.Active()) return Failure(ReasonOf(from));
    if (!writing.Active()) return Failure(ReasonOf(to));
    StoreCopyOutcome outcome;
    if (!replace && HoldsAnything(to)) {
        outcome.result = StoreCopyOutcome::Result::TargetNotEmpty;
        return outcome;
    }
    const QStringList formats = FormatStore(from).FormatNames();
    const qint64 versionsAbove = HighestFormatVersion(to);
    Copier copier(from, to);
    if (!copier.Empty()) return Failure(ReasonOf(to));
    if (!copier.CopyTables()) return Failure(copier.Problem());
    if (!CarryFormatVersions(from, to, formats, versionsAbove)) return Failure(ReasonOf(to));
    // Pictures that are rows go into the transaction; picture files once it committed.
    const bool picturesInTransaction = BackgroundPictures(to).InDatabase();
    if (picturesInTransaction && !CopyPictures(from, to, formats)) return Failure(ReasonOf(to));
    if (!writing.Commit()) return Failure(ReasonOf(to));
    if (!picturesInTransaction && !CopyPictures(from, to, formats)) {
        outcome.problem = StoreTexts::PicturesNotCopied(QFileInfo(to.Path()).absolutePath());
        return outcome;
    }
    reading.Commit();
    outcome.result = StoreCopyOutcome::Result::Copied;
    outcome.counts = Counted(to, formats);
    return outcome;
}

QString CountsText(const StoreCopyCounts& counts) {
    return StoreTexts::kCopiedCounts.arg(counts.formats)
        .arg(counts.pictures)
        .arg(counts.bills)
        .arg(counts.defaults)
        .arg(counts.mappings)
        .arg(counts.parameters)
        .arg(counts.profiles);
}
