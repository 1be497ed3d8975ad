#pragma once
// A print queue with hardware margins for the paths that warn of them: CUPS's Epson
// 24-pin driver (a quarter inch kept on every side) on a spooler of the test program's
// own (PrivateCups.h), started before the program's first printer.
#include <QString>

inline const QString kMarginQueue = QStringLiteral("EPSON24");

// Starts the spooler with the queue, once per process; empty when ready, else why not.
QString StartMarginQueue();
