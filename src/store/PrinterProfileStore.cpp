#include "store/PrinterProfileStore.h"

#include "store/Database.h"

#include <QSysInfo>
#include <cmath>

namespace {

const QString kCreateTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS PrinterProfile(Seat TEXT, Queue TEXT, Fmt TEXT,"
    " OffsetX REAL DEFAULT 0, OffsetY REAL DEFAULT 0, ScaleX REAL DEFAULT 1,"
    " ScaleY REAL DEFAULT 1, Feed REAL DEFAULT 0, Continuous INTEGER DEFAULT 0)");

// The table is made with the first profile, so a store that never had one is not
// written to by merely printing.
bool HasTable(Database& db) { return db.TableExists(QStringLiteral("PrinterProfile")); }

} // namespace

QString ThisSeat() { return QSysInfo::machineHostName(); }

QString ProfileProblem(const PrinterProfile& profile) {
    const auto finite = [](double value) { return std::isfinite(value); };
    if (!finite(profile.offsetX) || !finite(profile.offsetY) || !finite(profile.feedMm)
        || !finite(profile.scaleX) || !finite(profile.scaleY))
        return QStringLiteral("数值无效");
    const auto scaleOk = [](double scale) {
        return scale >= kMinProfileScale && scale <= kMaxProfileScale;
    };
    if (!scaleOk(profile.scaleX) || !scaleOk(profile.scaleY))
        return QStringLiteral("缩放比例须在%1到%2之间").arg(kMinProfileScale).arg(kMaxProfileScale);
    return {};
}

std::optional<PrinterProfile> LoadPrinterProfile(Database& db, const PrinterProfileKey& key) {
    if (!HasTable(db)) return std::nullopt;
    const QueryResult result = db.Query(
        QStringLiteral("SELECT OffsetX, OffsetY, ScaleX, ScaleY, Feed, Continuous FROM PrinterProfile"
                       " WHERE Seat=? AND Queue=? AND Fmt=? LIMIT 1"),
        {key.seat, key.queue, key.format});
    if (result.Empty()) return std::nullopt;
    const QVariantList& row = result.rows.first();
    PrinterProfile profile;
    profile.offsetX = row.value(0).toDouble();
    profile.offsetY = row.value(1).toDouble();
    profile.scaleX = row.value(2).toDouble();
    profile.scaleY = row.value(3).toDouble();
    profile.feedMm = row.value(4).toDouble();
    profile.continuous = row.value(5).toInt() != 0;
    // A row changed outside the program must not print at a tenth of the size.
    if (!ProfileProblem(profile).isEmpty()) return std::nullopt;
    return profile;
}

PrinterProfile EffectivePrinterProfile(Database& db, const PrinterProfileKey& key) {
    if (!key.format.isEmpty())
        if (auto own = LoadPrinterProfile(db, key)) return *own;
    return LoadPrinterProfile(db, {key.seat, key.queue, QString()}).value_or(PrinterProfile{});
}

bool SavePrinterProfile(Database& db, const PrinterProfileKey& key, const PrinterProfile& profile) {
    if (!ProfileProblem(profile).isEmpty()) return false;
    Database::Transaction transaction(db);
    return EnsurePrinterProfileTable(db)
           && db.Exec(QStringLiteral("DELETE FROM PrinterProfile WHERE Seat=? AND Queue=? AND Fmt=?"),
                      {key.seat, key.queue, key.format})
           && db.Exec(QStringLiteral("INSERT INTO PrinterProfile(Seat, Queue, Fmt, OffsetX, OffsetY,"
                                     " ScaleX, ScaleY, Feed, Continuous) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {key.seat, key.queue, key.format, profile.offsetX, profile.offsetY,
                       profile.scaleX, profile.scaleY, profile.feedMm, int(profile.continuous)})
           && transaction.Commit();
}

bool DeletePrinterProfile(Database& db, const PrinterProfileKey& key) {
    if (!HasTable(db)) return true;
    return db.Exec(QStringLiteral("DELETE FROM PrinterProfile WHERE Seat=? AND Queue=? AND Fmt=?"),
                   {key.seat, key.queue, key.format});
}

bool RenameFormatProfiles(Database& db, const QString& oldName, const QString& newName) {
    if (!HasTable(db)) return true;
    return db.Exec(QStringLiteral("DELETE FROM PrinterProfile WHERE Fmt=?"), {newName})
           && db.Exec(QStringLiteral("UPDATE PrinterProfile SET Fmt=? WHERE Fmt=?"), {newName, oldName});
}

bool DeleteFormatProfiles(Database& db, const QString& name) {
    if (!HasTable(db)) return true;
    return db.Exec(QStringLiteral("DELETE FROM PrinterProfile WHERE Fmt=?"), {name});
}

// A server store has the table from the start, and its clerks may not create tables at
// all, not even one that exists already.
bool EnsurePrinterProfileTable(Database& db) { return HasTable(db) || db.Exec(kCreateTable); }
