#pragma once
// A line's style, kept in the `Cash` column of its record: 1 solid, 2 dashed, 3 dotted,
// 4 dash-dot, 5 dash-dot-dot. One decoding for the screen, the paper and the editor.
#include <QtGlobal>
#include <array>
#include <cmath>
#include <optional>

inline constexpr std::array<Qt::PenStyle, 5> kLineStyles{
    Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};

// The index into kLineStyles of a stored code; nullopt for codes outside 1 … 5.
inline std::optional<int> LineStyleIndex(double code) {
    if (!std::isfinite(code) || code < 1 || code >= double(kLineStyles.size()) + 1) return std::nullopt;
    return int(code) - 1;
}

// How a line of this code is drawn: a code outside 1 … 5 draws solid, on screen and
// on paper alike.
inline Qt::PenStyle LinePenStyle(double code) {
    const std::optional<int> index = LineStyleIndex(code);
    return index ? kLineStyles[*index] : Qt::SolidLine;
}

// The stored code of a style index.
inline double LineStyleCode(int index) { return index + 1; }
