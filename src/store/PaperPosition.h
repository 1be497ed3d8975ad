#pragma once
// Where the paper stands in this seat's tractor printer between jobs. A printer driver
// feeds whole lines at the end of a page, so a run of continuous forms seldom ends
// exactly on the next form's top edge: the paper stops a little short of it, and the
// next job's first form begins that far below where the printer starts. The paper is in
// this computer's printer, so it is kept in this seat's settings (section PrinterPaper,
// one value a print queue), which every user of any store may write, until the user
// tears off and realigns the paper.
#include <QString>

// How far below the printer's starting point the next form's top edge lies, in mm;
// 0 when nothing is kept (the paper was aligned on a form's top edge).
double LoadFormStart(const QString& queue);
// Keeps it for the next job; 0 once the paper is realigned. False when the settings
// cannot be written.
bool SaveFormStart(const QString& queue, double mm);
