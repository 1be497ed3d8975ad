#include "print/PdfTextLayer.h"

#include "print/PdfFile.h"
#include "print/TextLayerReading.h"
#include "print/ToUnicodeCMap.h"

#include <QBuffer>
#include <QFile>

namespace {

// Rewrites the maps of the file open in `device` as an update appended to it:
// nullopt when nothing needs changing, else whether the update was written whole.
std::optional<bool> AppendReadableText(QIODevice& device, qint64* originalSize) {
    std::optional<PdfFile> file = PdfFile::Open(device);
    if (!file) return std::nullopt;
    *originalSize = file->OriginalSize();
    for (int number : file->ReferencedObjects("/ToUnicode")) {
        const std::optional<QByteArray> cmap = file->StreamData(number);
        if (!cmap) continue;
        if (const std::optional<QByteArray> readable = RewriteToUnicodeCMap(*cmap, TextLayerReading))
            file->ReplaceStream(number, *readable);
    }
    if (!file->Changed()) return std::nullopt;
    return file->AppendUpdate();
}

} // namespace

std::optional<QByteArray> WithReadableText(const QByteArray& pdf) {
    QByteArray bytes = pdf;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadWrite)) return std::nullopt;
    qint64 size = 0;
    const std::optional<bool> appended = AppendReadableText(buffer, &size);
    buffer.close();
    if (!appended || !*appended) return std::nullopt;
    return bytes;
}

bool RepairPdfTextLayer(const QString& path) {
    QFile file(path);
    // Unbuffered, so that nothing of a failed update is written when the file closes.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return false;
    qint64 size = 0;
    const std::optional<bool> appended = AppendReadableText(file, &size);
    if (!appended) return true;
    if (*appended) return true;
    // Back to the file as it was written, which is whole.
    file.resize(size);
    return false;
}
