#include "print/PdfTextLayer.h"

#include "print/PdfFile.h"
#include "print/TextLayerReading.h"
#include "print/ToUnicodeCMap.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> WithReadableText(const QByteArray& pdf) {
    std::optional<PdfFile> file = PdfFile::Parse(pdf);
    if (!file) return std::nullopt;
    for (int number : file->ReferencedObjects("/ToUnicode")) {
        const std::optional<QByteArray> cmap = file->StreamData(number);
        if (!cmap) continue;
        if (const std::optional<QByteArray> readable = RewriteToUnicodeCMap(*cmap, TextLayerReading))
            file->ReplaceStream(number, *readable);
    }
    if (!file->Changed()) return std::nullopt;
    return file->Bytes();
}

bool RepairPdfTextLayer(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const std::optional<QByteArray> repaired = WithReadableText(in.readAll());
    in.close();
    if (!repaired) return true;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(*repaired) == repaired->size() && out.commit();
}
