#pragma once
// EAN-13 barcodes.
#include <QString>

class QPainter;
class QRectF;

// Modules of the symbol itself, guards included.
inline constexpr int kEan13Modules = 95;
// Modules left free before the start guard for the first digit.
inline constexpr int kEan13LeftOffset = 9;

// Thirteen digits: the first 13 characters' digits, left-padded with 0 to 12, and the
// check digit computed afresh (a given 13th digit is replaced).
QString NormalizeEan13(const QString& text);

// Draws the symbol of NormalizeEan13(text) in `rect` (painter units), the start guard
// kEan13LeftOffset modules right of the left edge, modules `moduleWidth` device pixels
// wide; the digits below in 宋体 when `showText`.
void DrawEan13(QPainter& painter, const QString& text, const QRectF& rect, int moduleWidth, bool showText);
