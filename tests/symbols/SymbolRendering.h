#pragma once
// Pictures of symbols for the tests: drawn through the same entry point the printer uses.
#include <QImage>
#include <QRect>
#include <QString>

struct QrSymbol;

// `content` drawn by DrawSymbol into `box` of a white picture of `canvas` pixels.
QImage DrawSymbolImage(const QString& content, int barcodeStandard, const QSize& canvas, const QRect& box,
                       bool* drawn = nullptr);

// The symbol at `scale` pixels per module with the four-module quiet zone readers expect.
QImage QrScannable(const QrSymbol& symbol, int scale = 3);
