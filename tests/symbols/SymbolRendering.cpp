#include "SymbolRendering.h"

#include "ZbarDecoder.h"
#include "symbols/QrCode.h"
#include "symbols/QrDrawing.h"
#include "symbols/SymbolDrawing.h"

#include <QFont>
#include <QPainter>

QImage DrawSymbolImage(const QString& content, int barcodeStandard, const QSize& canvas, const QRect& box,
                       bool* drawn) {
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool ok = DrawSymbol(painter, QRectF(box), content, barcodeStandard, QFont(QStringLiteral("DejaVu Sans")));
    if (drawn) *drawn = ok;
    return image;
}

QImage QrScannable(const QrSymbol& symbol, int scale) {
    const int pixels = symbol.Size() * scale;
    return WithQuietZone(QrModuleImage(symbol).scaled(pixels, pixels), 4 * scale);
}
