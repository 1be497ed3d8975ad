#pragma once
// The ruler grid: a line every 2 mm, every 10 mm in a stronger colour, with the
// centimetre numbers along the edges. Positions are millimetres on the page.
#include <QList>
#include <QString>

struct RulerLine {
    double mm = 0;       // x of a vertical line, y of a horizontal one
    bool major = false;  // a multiple of 10 mm
};

struct RulerNumber {
    QString text;
    double mm = 0;        // the line it belongs to
    bool vertical = true; // on a vertical line (top and bottom edge) or a horizontal one
};

struct RulerGrid {
    QList<RulerLine> verticals;
    QList<RulerLine> horizontals;
    QList<RulerNumber> numbers;
};

// `pageHeightMm` is the height the canvas shows: CH / CW * W.
RulerGrid BuildRulerGrid(double pageWidthMm, double pageHeightMm);
