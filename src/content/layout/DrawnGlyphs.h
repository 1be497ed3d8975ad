#pragma once
// Which character each glyph drawn into a PDF document stands for. A PDF font holds
// the glyphs of one face in the order they were first drawn, and its ToUnicode map
// names a glyph only by a code point below U+10000 that the face maps to it: the
// ideographs above (𠮷, 𡈼 in names) are left unnamed and drop out of the text
// layer. Kept per device from the start of a job, so its text layer can be mended.
#include <QHash>
#include <QList>
#include <QString>

class QPaintDevice;
class QRawFont;

// Per face (family, style, weight): the character of each glyph in first-drawn order;
// 0 for a glyph that is not a character's first (a mark, a second piece).
using DrawnFaces = QHash<QString, QList<char32_t>>;

// From now on, glyphs drawn on `device` are kept (a job has begun on it).
void BeginDrawnGlyphs(const QPaintDevice* device);
// Notes a glyph drawn on `device` for `character`; nothing when no job began there.
void NoteDrawnGlyph(const QPaintDevice* device, const QRawFont& font, quint32 glyph,
                    char32_t character);
// The faces drawn on `device` since BeginDrawnGlyphs, forgotten from then on.
DrawnFaces TakeDrawnGlyphs(const QPaintDevice* device);
