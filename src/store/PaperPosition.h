#pragma once
// Where the paper stands in a seat's tractor printer between jobs. A printer driver
// feeds whole lines at the end of a job, so a run of continuous forms seldom ends
// exactly on the next form's top edge: the paper stops a little short of it, and the
// next job's first form begins that far below where the printer starts. Kept per seat
// and print queue (table PrinterPaper) until the user tears off and realigns the paper.
#include <QString>

class Database;

// How far below the printer's starting point the next form's top edge lies, in mm;
// 0 when nothing is kept (the paper was aligned on a form's top edge).
double LoadFormStart(Database& db, const QString& seat, const QString& queue);
// Keeps it for the next job; 0 once the paper is realigned. False when the store refuses.
bool SaveFormStart(Database& db, const QString& seat, const QString& queue, double mm);
