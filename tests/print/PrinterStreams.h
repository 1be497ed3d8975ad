#pragma once
// What a printer does with the byte stream a CUPS driver sends it, turned back into
// paper: every dot the head or the laser put down, on one strip of paper from the top
// of the first form (pages follow one another as the printer feeds them, so drift
// over a run of continuous forms shows). Only the commands the sample drivers send are
// known; an unknown command fails the decoding rather than being guessed at.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

struct PrintedPaper {
    QImage dots;             // one pixel a dot, black where printed
    double dotsPerInchX = 0, dotsPerInchY = 0;
    int pages = 0;           // form feeds
    QList<int> pageTops;     // the strip row of each page's top edge
    QString problem;         // why the stream could not be read; empty when it was

    double MmX(double column) const { return column * 25.4 / dotsPerInchX; }
    double MmY(double row) const { return row * 25.4 / dotsPerInchY; }
};

// The printer's mechanism: where the head starts on a page, from the paper's corner
// (the driver's hardware margins, its PPD's HWMargins / ImageableArea, in points, for a
// printer that is right), and how far its head and feed move for a dot (1 for a printer
// that is right; 1.004 for one whose head runs 0.4 % wide).
struct PrinterMargins {
    double leftPt = 0, topPt = 0;
    double stretchX = 1, stretchY = 1;
};

// An Epson 24-pin stream (ESC @, ESC $, ESC * 39, CR, LF with ESC 3, ESC J, ESC C, FF).
// The printer feeds a form feed to the next top of form, at the page length ESC C set.
PrintedPaper DecodeEscP24(const QByteArray& stream, const PrinterMargins& margins, double paperWidthMm);

// A PCL raster stream (ESC E, ESC &l, ESC &a, ESC *t, ESC *r, ESC *b with
// compression 0 and 2, FF), each page its own sheet stacked below the last.
PrintedPaper DecodePcl(const QByteArray& stream, const PrinterMargins& margins, double paperWidthMm,
                       double paperHeightMm);

// The centres of the printed marks (groups of touching dots of at least `leastDots`),
// in mm from the strip's top-left corner, ordered top to bottom, then left to right.
QList<QPointF> MarkCentresMm(const PrintedPaper& paper, int leastDots = 8);
