#pragma once
// Code 39 barcodes: 3:1 wide to narrow, a gap of three narrow widths between characters.
#include <QString>
#include <optional>

class QPainter;
class QRectF;
class QFont;

// Narrow widths one character and its following gap take.
inline constexpr int kCode39CharacterUnits = 18;

// The text as drawn: upper case, framed by start/stop "*"; empty when a character is
// outside 0-9, A-Z, -, %, $ and *.
std::optional<QString> Code39Text(const QString& text);

// Draws `text` at the left of `rect` (painter units) with bars of `narrowWidth` device
// pixels over the rectangle's height, less a human-readable line at the bottom in `font`
// when `showText`. An empty text draws nothing; false, drawing nothing, for an unsupported
// character (the caller shows kInvalidCode39Text).
bool DrawCode39(QPainter& painter, const QString& text, const QRectF& rect, int narrowWidth, bool showText,
                const QFont& font);
