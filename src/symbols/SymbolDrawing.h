#pragma once
// The one entry point the canvas, the printer and the picture output use to draw the
// barcode or QR code of a picture box.
#include "symbols/BarcodeStandard.h"

class QPainter;
class QRectF;
class QFont;
class QString;

// Draws `content` as the format's barcode standard into `rect`.
// Returns false (drawing nothing) when the content cannot be encoded in that standard.
bool DrawSymbol(QPainter& painter, const QRectF& rect, const QString& content, BarcodeStandard standard,
                const QFont& font);

// The least width in device pixels at which the barcode's narrowest bar is one pixel
// wide; 0 when the standard fits any width (QR) or the content cannot be encoded.
int SymbolLeastWidth(const QString& content, BarcodeStandard standard);
