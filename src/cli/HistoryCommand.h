#pragma once
// The history command:
//   history FORMAT [--limit N] [--csv]
//   history FORMAT --delete 3,5-9
// Lists the format's stored bills, newest first: the bill number, then one column per
// shown box (the history grid's columns), as aligned text or as CSV. --limit keeps the
// newest N bills. --delete removes the bills with these numbers, as the history grid's
// "删除选定单据" does; when one of the numbers names no bill, none is removed.
#include "cli/SubCommand.h"

int RunHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand HistorySubCommand();

// The display width of a text in a terminal: CJK and full-width characters take two
// columns, others one.
int DisplayWidth(const QString& text);
