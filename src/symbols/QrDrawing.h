#pragma once
// QR codes drawn into a box: one module per cell, stretched over the rectangle.
#include <QImage>

class QPainter;
class QRectF;
class QString;
struct QrSymbol;

// One pixel per module, dark modules black; no quiet zone.
QImage QrModuleImage(const QrSymbol& symbol);

// Encodes `text` as UTF-8 in byte, numeric and alphanumeric segments, level L, mask
// pattern 0, the smallest version that fits, and stretches it over `rect`. An empty text
// draws nothing; false when the text is too long for any version.
bool DrawQrCode(QPainter& painter, const QRectF& rect, const QString& text);
