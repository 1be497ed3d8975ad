#pragma once
// The history reads behind the statistics: the values of chosen boxes, the bills in
// which a box held a value, and a box's distinct values for the condition list.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

class Database;

struct StoredValue {
    qint64 bill = 0;
    qint64 box = 0;
    QString value;
};

struct StoredValues {
    QList<StoredValue> rows; // by bill number, then box
    bool failed = false;
};

// Every stored value of these boxes in the format's bills.
StoredValues ValuesOfBoxes(Database& db, const QString& formatName, const QList<qint64>& boxIds);

// The bills in which one of these boxes held exactly `value`; nullopt when unreadable.
std::optional<QSet<qint64>> BillsHolding(Database& db, const QString& formatName,
                                         const QList<qint64>& boxIds, const QString& value);

// The distinct values these boxes held, sorted.
QStringList DistinctValues(Database& db, const QString& formatName, const QList<qint64>& boxIds);
