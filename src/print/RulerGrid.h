#pragma once
// The ruler grid printed with each page (mPrintRulers): lines every centimetre,
// numbered in centimetres, and 2 mm ticks along the top and left edges, over the
// printable page and unshifted, so the user can read where the print lands.
class QPainter;

void PrintRulers(QPainter& painter);
