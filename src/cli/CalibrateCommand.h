#pragma once
// The calibrate command: a printer profile from crosses printed and measured.
//   calibrate FORMAT --printer QUEUE [--bills N]
//       prints the calibration sheet: N forms (10 unless given), cross 1 on the first
//       and cross N on the last, through the queue's current profile
//   calibrate FORMAT --printer QUEUE [--bills N] --measured X1,Y1,XN,YN
//       where crosses 1 and N landed, each in mm from its own form's top-left corner:
//       computes offsets, scales and feed correction, stores them in the profile the
//       sheet was printed with (the format's own, else the queue's) and shows it
#include "cli/SubCommand.h"

int RunCalibrateCommand(const QStringList& args, QTextStream& out, QTextStream& err);

SubCommand CalibrateSubCommand();
