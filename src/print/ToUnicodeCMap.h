#pragma once
// The ToUnicode CMap of an embedded PDF font: which characters each glyph code
// reads as when text is searched or copied.
#include <QByteArray>
#include <QMap>
#include <functional>
#include <optional>

// The CMap with every character of every mapping passed through `reading`, and the
// codes of `added` mapped to their characters as well; its header and trailer stay
// as they were. nullopt when no mapping changes or the text is not a CMap this can
// read.
std::optional<QByteArray> RewriteToUnicodeCMap(const QByteArray& cmap,
                                               const std::function<char32_t(char32_t)>& reading,
                                               const QMap<quint32, char32_t>& added = {});

// Each mapped code with the first character it reads as; nullopt when the text is not
// a CMap this can read.
std::optional<QMap<quint32, char32_t>> ToUnicodeEntries(const QByteArray& cmap);
