#pragma once
// The printer-profile command: this seat's correction for a print queue.
//   printer-profile QUEUE [--format F]             shows it
//   printer-profile QUEUE [--format F] [--offset X,Y] [--scale SX,SY] [--feed MM]
//                   [--continuous | --sheets]      changes the given parts and shows it
//   printer-profile QUEUE --realigned              the paper was realigned on a form's top
// Without --format the profile is the queue's for every format; with it, that format's
// own (starting from the queue's when it has none yet).
#include "cli/SubCommand.h"

struct PrinterProfile;
struct PrinterProfileKey;

// The profile as the command shows it, one part a line (calibrate shows it too).
void ShowPrinterProfile(const PrinterProfileKey& key, const PrinterProfile& profile, QTextStream& out);

int RunPrinterProfileCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand PrinterProfileSubCommand();
