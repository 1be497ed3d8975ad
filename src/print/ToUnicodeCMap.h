#pragma once
// The ToUnicode CMap of an embedded PDF font: which characters each glyph code
// reads as when text is searched or copied.
#include <QByteArray>
#include <functional>
#include <optional>

// The CMap with every character of every mapping passed through `reading`; its
// header and trailer stay as they were. nullopt when no mapping changes or the
// text is not a CMap this can read.
std::optional<QByteArray> RewriteToUnicodeCMap(const QByteArray& cmap,
                                               const std::function<char32_t(char32_t)>& reading);
