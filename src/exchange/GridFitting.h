#pragma once
// Column widths fitted to their texts.
#include <QStringList>

class QFont;

inline constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

// Twips for a column of texts in `font`: the widest text + 100, or 50 when every
// text is empty; never more than `limitTwips`.
int FitColumnTwips(const QStringList& texts, const QFont& font, int limitTwips);
