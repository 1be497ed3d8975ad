#pragma once
// design-from-scan IMAGE (--name NEW | --format EXISTING) [--size WxH] [--dpi N] [--json]:
// proposes a box for every blank of a scanned blank bill and stores them as a new
// format or adds them to one, the straightened scan as its background; --json prints
// the proposal and stores nothing.
#include "cli/SubCommand.h"

// The command's work (DesignFromScanRun.h) lives with the scan libraries in the window
// module; whoever makes the widget application hands it in. Without it the command fails.
using DesignFromScanRunner = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);
void UseDesignFromScanRunner(DesignFromScanRunner runner);

QString DesignFromScanUsage();

SubCommand DesignFromScanSubCommand();
