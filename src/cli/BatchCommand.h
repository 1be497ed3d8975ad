#pragma once
// The print command for many bills in one job:
//   print FORMAT --data FILE [--sheet NAME] [--rows A-B] [--labels COLSxROWS
//         [--sheet-size WxH]] [--no-history] OUTPUT
//   print FORMAT --bills 3,5-9 [--labels ...] OUTPUT
// --data prints every record of the file through the format's stored column mapping,
// or, when it has none, through the labels that head the file's columns (--rows: the
// file rows to read, as the import's row settings), and keeps each printed bill in
// history; --bills reprints stored bills, adding none; --labels prints the bills as
// label sheets. A progress line goes to stderr when it is a terminal.
#include <QString>
#include <QStringList>

class QTextStream;

// Whether the arguments ask for a batch (--data or --bills).
bool IsBatchPrint(const QStringList& args);

int RunBatchPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err);

QString BatchPrintUsage();
