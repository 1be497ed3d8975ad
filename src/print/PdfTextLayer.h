#pragma once
// Searchable text in the PDF files the program writes: the ToUnicode maps of the
// embedded fonts are rewritten so that each glyph reads as the character that was
// drawn (see TextLayerReading), not as a radical or a control character. The new maps
// are appended as an incremental update (PdfFile.h): the file is read in pieces and
// never held whole, however many pages it has. Glyphs the maps leave unnamed (the
// ideographs above U+FFFF) are named from what the job drew (DrawnGlyphs.h).
#include "content/layout/DrawnGlyphs.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The file with its text layer repaired (its bytes, then the update); nullopt when
// nothing needs changing or the file is not one this can rewrite safely.
std::optional<QByteArray> WithReadableText(const QByteArray& pdf, const DrawnFaces& drawn = {});

// Repairs the PDF file at `path` in place by appending the update. False when it
// cannot be read or the update cannot be written; the file is then cut back to what
// it was.
bool RepairPdfTextLayer(const QString& path, const DrawnFaces& drawn = {});
