#pragma once
// The history queries the entry aids and the history view read: the newest bill
// that had a value, a whole stored bill, a box's newest value and the values that
// begin with typed text.
#include "records/LabelGroup.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class Bill;
class Database;
struct Format;
struct ValueFilling;

struct LinkedBill {
    qint64 number = 0; // 0: no bill had the value
    int group = 0;     // the group of the box that matched
};

// The newest bill of the format in which the box held `value`. For a grouped label
// (group 1 or more) any box of the same label stem may have held it, and the
// matched box's group is returned with the bill.
LinkedBill FindLinkedBill(Database& db, const QString& formatName, qint64 boxId,
                          const QString& label, const QString& value);

struct BillValue {
    qint64 boxId = 0;
    QString label;
    QString value;
};
// The values of one stored bill with the labels of their boxes, by box ID.
QList<BillValue> LoadLinkedBill(Database& db, const QString& formatName, qint64 billNumber);

// Writes a stored bill back into the bill's boxes: boxes the stored bill names get
// its values; nothing else is touched. False when the bill could not be read.
bool LoadStoredBill(Database& db, const Format& format, qint64 billNumber, Bill& bill,
                    const ValueFilling& filling);

// The box's value in the newest bill that has one; empty when none has (numbering).
QString NewestValue(Database& db, const QString& formatName, qint64 boxId);

// The distinct stored values of the box that begin with `prefix` (ASCII letters in
// any case, as typed), ordered; at most `limit` of them (autocompletion).
QStringList ValuesStartingWith(Database& db, const QString& formatName, qint64 boxId,
                               const QString& prefix, int limit);
