#pragma once
// The history sub-command:
//   history FORMAT [--limit N] [--csv]
// Lists the format's stored bills, newest first: the bill number, then one column per
// shown box (the history grid's columns), as aligned text or as CSV. --limit keeps the
// newest N bills. Exit code 0 when listed; errors go to `err`.
#include <QStringList>

class QTextStream;

int RunHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The display width of a text in a terminal: CJK and full-width characters take two
// columns, others one.
int DisplayWidth(const QString& text);
