#pragma once
// Searchable text in the PDF files the program writes: the ToUnicode maps of the
// embedded fonts are rewritten so that each glyph reads as the character that was
// drawn (see TextLayerReading), not as a radical or a control character.
#include <QByteArray>
#include <QString>
#include <optional>

// The file with its text layer repaired; nullopt when nothing needs changing or the
// file is not one this can rewrite safely.
std::optional<QByteArray> WithReadableText(const QByteArray& pdf);

// Repairs the PDF file at `path` in place; the file is replaced only by a complete
// new one. False when it cannot be read or written back.
bool RepairPdfTextLayer(const QString& path);
