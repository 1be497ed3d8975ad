#pragma once
// Test bills drawn by the tests themselves: blank bills with known blanks (caption and
// line, ruled tables, digit cells under their headings, a postcode row, check squares),
// rendered at a scanner's resolution and spoiled the way scans are (a slight turn,
// noise, blur, uneven light, JPEG artefacts), or photographed at an angle.
#include "store/Format.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>

struct TrueBlank {
    QRectF mm;
    BoxKind kind = BoxKind::Text;
    QString label;
    double dataType = 0;
};

struct ScanLook {
    double dpi = 200;
    double degrees = 0;      // turned on the scanner
    double noise = 0;        // grey levels, standard deviation
    double blur = 0;         // pixels, standard deviation
    double shade = 0;        // light falling off by this fraction across the page
    int jpegQuality = 0;     // 0: no JPEG round trip
};

struct GeneratedBill {
    QImage image;
    QSizeF pageMm;
    QList<TrueBlank> blanks;
};

// Bill number `seed`: its layout and captions vary with the seed.
GeneratedBill GenerateBill(int seed, const ScanLook& look);

// The look of bill `seed` in a run of many: 150, 200 or 300 dpi, turned up to 3°,
// with noise, blur, shade and JPEG.
ScanLook VariedLook(int seed);

// A 200 dpi scan turned `degrees`, with a little noise.
ScanLook LightScan(double degrees);

// A clean page scanned with `look` (its resolution aside): turned about its centre,
// then spoiled.
QImage SpoiledScan(const QImage& page, const ScanLook& look, int seed);

// The bill as a phone photo: lying on a dark desk, its corners pulled by up to
// `pull` of its size by the perspective.
QImage Photographed(const GeneratedBill& bill, double pull, int seed);
