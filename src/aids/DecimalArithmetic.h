#pragma once
// Exact sums and products of decimal numbers, so that 0.1 + 0.2 is 0.3 and an
// amount never picks up binary rounding on its way into a sum box.
#include "content/AmountsDecimal.h"

Decimal AddDecimals(const Decimal& a, const Decimal& b);
Decimal NegateDecimal(Decimal value);
// Fraction digits beyond kMaxProductFraction are cut: products of many factors would
// otherwise grow without end, and no bill shows more than a few.
inline constexpr int kMaxProductFraction = 30;
Decimal MultiplyDecimals(const Decimal& a, const Decimal& b);
