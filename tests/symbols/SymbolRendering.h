#pragma once
// Pictures of symbols for the tests: drawn through the same entry point the printer uses.
#include "symbols/BarcodeStandard.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <ostream>
#include <vector>

struct QrSymbol;

// Lets test failures show QString values as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// `content` drawn by DrawSymbol into `box` of a white picture of `canvas` pixels.
QImage DrawSymbolImage(const QString& content, BarcodeStandard standard, const QSize& canvas, const QRect& box,
                       bool* drawn = nullptr);

// The symbol at `scale` pixels per module with the four-module quiet zone readers expect.
QImage QrScannable(const QrSymbol& symbol, int scale = 3);

// The smallest rectangle holding every pixel darker than mid grey (empty when none).
QRect DarkBounds(const QImage& image);

// Lengths of the alternating dark and light runs along row `y` from the first dark pixel
// to the last, dark first.
std::vector<int> RunLengths(const QImage& image, int y);
