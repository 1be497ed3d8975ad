#include "symbols/QrDrawing.h"

#include "symbols/QrCode.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace {
constexpr int kAutomaticVersion = 0;
constexpr int kLevelL = 1;
constexpr int kDefaultMask = -1;  // pattern 0
}  // namespace

QImage QrModuleImage(const QrSymbol& symbol) {
    const int size = symbol.Size();
    QImage image(size, size, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (symbol.Dark(x, y)) image.setPixel(x, y, 1);
    return image;
}

bool DrawQrCode(QPainter& painter, const QRectF& rect, const QString& text) {
    if (text.isEmpty()) return true;
    const QByteArray utf8 = text.toUtf8();
    // Kanji mode would be read back as Shift JIS, so UTF-8 text never uses it.
    const std::optional<QrSymbol> symbol =
        EncodeQr(reinterpret_cast<const uint8_t*>(utf8.constData()), static_cast<int>(utf8.size()),
                 kAutomaticVersion, kLevelL, kDefaultMask, /*allowKanji=*/false);
    if (!symbol) return false;
    painter.save();
    // Smoothing would blur module edges into grey.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect, QrModuleImage(*symbol));
    painter.restore();
    return true;
}
