#pragma once
// Printer units. Everything printed is placed in twips; millimetres convert with the
// printer's own factor, which is deliberately not 1440 / 25.4.
inline constexpr double kTwipsPerMm = 56.6928;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = 20.0;

inline constexpr double MmToTwips(double mm) { return mm * kTwipsPerMm; }
inline constexpr double TwipsToMm(double twips) { return twips / kTwipsPerMm; }
