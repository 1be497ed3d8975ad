#pragma once
// A copy of the open format's box records and the bill's contents, the state one
// undo step goes back to. Copies share their data until either side changes.
#include "store/Format.h"

#include <QHash>
#include <QList>
#include <QString>

struct RecordsSnapshot {
    QList<BoxRecord> boxes;
    QHash<qint64, QString> values;
};

// Whether two record lists agree in everything the designer arranges; the fixed text
// (`Mem`) of unlabelled boxes is content typed in, not arrangement.
bool SameArrangement(const QList<BoxRecord>& a, const QList<BoxRecord>& b);

// The records of `target` with the fixed texts `current` holds now for the same IDs.
QList<BoxRecord> WithCurrentTexts(const QList<BoxRecord>& target, const QList<BoxRecord>& current);
