#include "picture/JpegFile.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

bool SaveJpg(const QImage& picture, const QString& path, int quality) {
    if (picture.isNull()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "jpg");
    writer.setQuality(quality);
    // 24-bit colour, as the encoder expects; transparency has no meaning on paper.
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
