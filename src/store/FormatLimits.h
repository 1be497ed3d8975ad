#pragma once
// The ranges a format's values must keep to: what an import accepts and what the
// property dialogs should accept (they can call these checks), and what a stored
// format from before these limits is pulled into for drawing.
#include "store/Format.h"

#include <QString>

// The longest text a format field may hold (labels, fixed texts, font names,
// custom-list values).
inline constexpr qsizetype kMaxFieldChars = 64 * 1024;

struct ValueRange {
    double min, max;
    bool Contains(double value) const { return value >= min && value <= max; }
    double Clamp(double value) const;
};
inline constexpr ValueRange kPageSideRange{1, 5000};            // mm
inline constexpr ValueRange kFontSizeRange{1, 1000};            // pt; 0 means the default
inline constexpr ValueRange kLineWidthRange{0, 1000};           // a line's fSize
inline constexpr ValueRange kPrintShiftRange{-1000, 1000};      // stored offset − 10, mm
inline constexpr ValueRange kBoxPositionRange{-10000, 10000};   // X, Y, W, H, S, mm
// L: up to 20 alignment thousands plus a line spacing no longer than a page side.
inline constexpr ValueRange kPackedSpacingRange{-25000, 25000};
// Cash: data type codes (with their cell counts and digit positions), line styles,
// label borders; far beyond any of them is no code at all.
inline constexpr ValueRange kBoxCodeRange{-1000000, 1000000};

bool PageSideInRange(double mm);
bool FontSizeInRange(double size, BoxKind kind);
bool OffsetInRange(double storedOffset);
bool BoxPositionInRange(double mm);
bool FieldLengthInRange(const QString& text);

// Every value of the page or box within its range (and finite).
bool PageParamsInRange(const PageParams& page);
bool BoxInRange(const BoxRecord& box);

// The same values pulled into their ranges; values already inside stay exactly.
void ClampPageParams(PageParams& page);
void ClampBox(BoxRecord& box);
