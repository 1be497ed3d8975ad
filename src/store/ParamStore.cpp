#include "store/ParamStore.h"

#include "store/Database.h"

namespace {

const QString kHistorySeparator = QStringLiteral("||");

QString PlacementKey(const QString& name) { return QStringLiteral("窗口参数：") + name; }

} // namespace

QString ParamStore::GetParam(const QString& key) {
    return db_.LookupWhere(QStringLiteral("参数"), QStringLiteral("Var=?"), {key},
                           QStringLiteral("Con"));
}

bool ParamStore::SetParam(const QString& key, const QString& value) {
    Database::Transaction transaction(db_);
    const QueryResult first = db_.Query(
        QStringLiteral("SELECT rowid FROM 参数 WHERE Var=? ORDER BY rowid LIMIT 1"), {key});
    // A failed look-up must not add a second row for the key.
    if (first.failed) return false;
    const bool ok =
        first.Empty()
            ? db_.Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, ?)"), {key, value})
            : db_.Exec(QStringLiteral("UPDATE 参数 SET Con=? WHERE rowid=?"),
                       {value, first.rows.first().value(0)});
    return ok && transaction.Commit();
}

QStringList ParamStore::LoadKeywordHistory(const QString& key) {
    QStringList entries = GetParam(key).split(kHistorySeparator);
    entries.removeAll(QString());
    return entries;
}

void ParamStore::SaveKeywordHistory(const QString& key, const QString& current,
                                    const QStringList& entries) {
    QStringList items{current};
    for (const QString& entry : entries)
        if (entry != current) items << entry;
    QString value = items.join(kHistorySeparator);
    if (value.startsWith(kHistorySeparator)) value.remove(0, kHistorySeparator.size());
    SetParam(key, value);
}

void ParamStore::SaveWindowPlacement(const QString& name, const Placement& placement,
                                     int screenWidthTwips) {
    // A screen-wide window is not remembered: it opens at its designed place next time.
    const QString value =
        placement.width >= screenWidthTwips
            ? QStringLiteral("0;0;0;0")
            : QStringLiteral("%1;%2;%3;%4")
                  .arg(placement.left)
                  .arg(placement.top)
                  .arg(placement.width)
                  .arg(placement.height);
    const QString key = PlacementKey(name);
    Database::Transaction transaction(db_);
    if (db_.Exec(QStringLiteral("DELETE FROM 参数 WHERE Var=?"), {key})
        && db_.Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, ?)"), {key, value}))
        transaction.Commit();
}

std::optional<ParamStore::Placement> ParamStore::ReadWindowPlacement(const QString& name) {
    const QString value = GetParam(PlacementKey(name));
    if (value.isEmpty()) return std::nullopt;
    const QStringList parts = value.split(QLatin1Char(';'));
    if (parts.size() < 4) return std::nullopt;
    auto number = [&parts](int i) { return int(parts[i].trimmed().toDouble()); };
    return Placement{number(0), number(1), number(2), number(3)};
}

std::optional<ParamStore::Restore> ParamStore::RestoreWindowPlacement(const QString& name,
                                                                      int screenWidthTwips,
                                                                      int screenHeightTwips) {
    const std::optional<Placement> stored = ReadWindowPlacement(name);
    if (!stored) return std::nullopt;
    const Placement& p = *stored;
    Restore restore;
    restore.placement = p;
    restore.move = p.top + p.height > 0 && p.left + p.width > 0 && p.left < screenWidthTwips
                   && p.top < screenHeightTwips;
    restore.resize = p.width > 0 && p.height > 0;
    return restore;
}
