#pragma once
// A print queue with hardware margins for the paths that warn of them: CUPS's Epson
// 24-pin driver (a quarter inch kept on every side) on a spooler of the test program's
// own (PrivateCups.h), started before the program's first printer.
#include <QString>

inline const QString kMarginQueue = QStringLiteral("EPSON24");

// Starts the spooler with the queue, once per process; empty when ready, else why not.
// The queue takes one unfinished job at a time: while it holds one, the spooler
// refuses the next.
QString StartMarginQueue();
// Holds the queue's jobs unprinted, or cancels those held and prints again.
void HoldMarginQueueJobs(bool hold);
