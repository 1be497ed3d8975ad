#pragma once
// A format's stored bills as CSV text, written while they are read: a header line (the
// bill number, then one column per shown box), then one line per bill, newest first.
// Only one bill is held at a time, so any number of bills takes the same memory.
#include "records/HistoryReader.h"

class QTextStream;

// The header line's cells.
QStringList HistoryHeader(const QList<HistoryColumn>& columns);

HistoryReading WriteHistoryCsv(Database& db, const QString& formatName,
                               const QList<HistoryColumn>& columns, HistoryLimit limit,
                               QTextStream& out);
