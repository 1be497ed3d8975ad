#pragma once
// Laying out a box's text on a twip surface in the current font: wrapped lines with
// letter and line spacing and alignment, or one character per printed cell.
// All lengths are twips.
#include <QString>

class TwipSurface;
struct ConversionSettings;

// Wraps the text into the box width (see BreakSourceLine) and prints line after line
// from the box's top; alignment 0 left, 1 right (one twip inside the edge), 2 centre.
// Nothing clips: text below the box or wider than it still prints.
void LayoutBoxText(TwipSurface& surface, const QString& text, double left, double top,
                   double boxWidth, double letterSpacing, double lineSpacing, int alignment);

// Prints the characters one by one from (x, y), each followed by `letterSpacing`.
void DrawSpacedText(TwipSurface& surface, const QString& text, double x, double y,
                    double letterSpacing);

// One character centred in each of `cells` equal cells across the box. Alignment 1
// right-aligns a short string, 2 (or more) centres it; a long string is shifted left
// by its excess cells (all of them for 1, half for 2) so its end stays in the box.
void DrawCells(TwipSurface& surface, const QString& text, double x, double y, double boxWidth,
               int cells, int alignment);

// An amount spread over the cells of a 对格 type (1..99 with the currency symbol in
// the cell before the highest digit, 301..399 without): the amount in fen, right-
// aligned in the cells. Empty text prints nothing.
void DrawAmountCells(TwipSurface& surface, const QString& text, double x, double y,
                     double boxWidth, double dataType, int alignment,
                     const ConversionSettings& settings);
