#pragma once
// What each box kind is, in one table indexed by the kind, so a new kind is one row
// here and every array sized by kBoxKindCount grows with it.
#include "store/Format.h"

#include <array>

struct BoxKindTraits {
    BoxKind kind;
    // Holds a value the user types or picks (text, check state, picture or code).
    bool holdsContent;
    // The record's W and H are the far end point, not a size.
    bool placedByEndPoints;
};

inline constexpr std::array<BoxKindTraits, kBoxKindCount> kBoxKindTraits{{
    {BoxKind::Text, true, false},
    {BoxKind::Check, true, false},
    {BoxKind::Picture, true, false},
    {BoxKind::Line, false, true},
    {BoxKind::Label, false, false},
}};

constexpr bool TraitsInKindOrder() {
    for (int i = 0; i < kBoxKindCount; ++i)
        if (static_cast<int>(kBoxKindTraits[i].kind) != i) return false;
    return true;
}
static_assert(TraitsInKindOrder(), "one row per box kind, in the order of BoxKind");

// Kinds outside the table (a damaged record) hold nothing.
constexpr const BoxKindTraits* TraitsOf(BoxKind kind) {
    const int index = static_cast<int>(kind);
    return index >= 0 && index < kBoxKindCount ? &kBoxKindTraits[index] : nullptr;
}
constexpr bool HoldsContent(BoxKind kind) {
    const BoxKindTraits* traits = TraitsOf(kind);
    return traits && traits->holdsContent;
}
