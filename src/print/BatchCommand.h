#pragma once
// The print sub-command for many bills in one job:
//   print FORMAT --data FILE [--sheet NAME] [--rows A-B] [--labels COLSxROWS
//         [--sheet-size WxH]] (--pdf OUT | --printer NAME) [--copies N] [--no-history]
//   print FORMAT --bills 3,5-9 [--labels ...] (--pdf OUT | --printer NAME) [--copies N]
// --data prints every record of the file through the format's stored column mapping
// (--rows: the file rows to read, as the import's row settings) and keeps each
// printed bill in history; --bills reprints stored bills, adding none; --labels
// prints the bills as label sheets. A progress line goes to stderr when it is a
// terminal. Exit code 0 when every bill printed.
#include <QStringList>

class QTextStream;

// Whether the arguments ask for a batch (--data or --bills).
bool IsBatchPrint(const QStringList& args);

int RunBatchPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);
