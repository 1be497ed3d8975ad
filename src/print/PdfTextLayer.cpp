#include "print/PdfTextLayer.h"

#include "print/PdfFile.h"
#include "print/TextLayerReading.h"
#include "print/ToUnicodeCMap.h"

#include <QBuffer>
#include <QFile>

namespace {

// Whether a face's glyphs, in first-drawn order, are the font's: code n is the face's
// n-th glyph (after the font's empty glyph 0), and every code the map names reads as
// the character the glyph was drawn for.
bool FaceMatches(const QList<char32_t>& face, const QMap<quint32, char32_t>& named) {
    for (auto [code, character] : named.asKeyValueRange()) {
        if (code == 0) continue;
        if (code > quint32(face.size())) return false;
        const char32_t drawn = face[code - 1];
        if (drawn != 0 && TextLayerReading(drawn) != TextLayerReading(character)) return false;
    }
    return true;
}

// The codes a font's map leaves unnamed, with the characters their glyphs were drawn
// for, from the one drawn face that matches it. Nothing when none or two faces that
// would name them differently match.
QMap<quint32, char32_t> UnnamedGlyphs(const QMap<quint32, char32_t>& named, const DrawnFaces& drawn) {
    std::optional<QMap<quint32, char32_t>> found;
    for (const QList<char32_t>& face : drawn) {
        if (!FaceMatches(face, named)) continue;
        QMap<quint32, char32_t> unnamed;
        for (qsizetype i = 0; i < face.size(); ++i)
            if (face[i] != 0 && !named.contains(quint32(i + 1))) unnamed.insert(quint32(i + 1), face[i]);
        if (found && *found != unnamed) return {};
        found = std::move(unnamed);
    }
    return found.value_or(QMap<quint32, char32_t>());
}

// Rewrites the maps of the file open in `device` as an update appended to it:
// nullopt when nothing needs changing, else whether the update was written whole.
std::optional<bool> AppendReadableText(QIODevice& device, const DrawnFaces& drawn,
                                       qint64* originalSize) {
    std::optional<PdfFile> file = PdfFile::Open(device);
    if (!file) return std::nullopt;
    *originalSize = file->OriginalSize();
    for (int number : file->ReferencedObjects("/ToUnicode")) {
        const std::optional<QByteArray> cmap = file->StreamData(number);
        if (!cmap) continue;
        const std::optional<QMap<quint32, char32_t>> named = ToUnicodeEntries(*cmap);
        const QMap<quint32, char32_t> unnamed = named ? UnnamedGlyphs(*named, drawn)
                                                      : QMap<quint32, char32_t>();
        if (const auto readable = RewriteToUnicodeCMap(*cmap, TextLayerReading, unnamed))
            file->ReplaceStream(number, *readable);
    }
    if (!file->Changed()) return std::nullopt;
    return file->AppendUpdate();
}

} // namespace

std::optional<QByteArray> WithReadableText(const QByteArray& pdf, const DrawnFaces& drawn) {
    QByteArray bytes = pdf;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadWrite)) return std::nullopt;
    qint64 size = 0;
    const std::optional<bool> appended = AppendReadableText(buffer, drawn, &size);
    buffer.close();
    if (!appended || !*appended) return std::nullopt;
    return bytes;
}

bool RepairPdfTextLayer(const QString& path, const DrawnFaces& drawn) {
    QFile file(path);
    // Unbuffered, so that nothing of a failed update is written when the file closes.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return false;
    qint64 size = 0;
    const std::optional<bool> appended = AppendReadableText(file, drawn, &size);
    if (!appended) return true;
    if (*appended) return true;
    // Back to the file as it was written, which is whole.
    file.resize(size);
    return false;
}
