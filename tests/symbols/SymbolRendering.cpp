#include "SymbolRendering.h"

#include "ZbarDecoder.h"
#include "symbols/QrCode.h"
#include "symbols/QrDrawing.h"
#include "symbols/SymbolDrawing.h"

#include <QFont>
#include <QPainter>

QImage DrawSymbolImage(const QString& content, BarcodeStandard standard, const QSize& canvas, const QRect& box,
                       bool* drawn) {
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool ok = DrawSymbol(painter, QRectF(box), content, standard, QFont(QStringLiteral("DejaVu Sans")));
    if (drawn) *drawn = ok;
    return image;
}

QImage QrScannable(const QrSymbol& symbol, int scale) {
    const int pixels = symbol.Size() * scale;
    return WithQuietZone(QrModuleImage(symbol).scaled(pixels, pixels), 4 * scale);
}

namespace {
bool IsDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
}  // namespace

QRect DarkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsDark(image, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

std::vector<int> RunLengths(const QImage& image, int y) {
    int first = 0;
    int last = image.width() - 1;
    while (first <= last && !IsDark(image, first, y)) ++first;
    while (last >= first && !IsDark(image, last, y)) --last;
    std::vector<int> runs;
    for (int x = first; x <= last; ++x) {
        if (x == first || IsDark(image, x, y) != IsDark(image, x - 1, y)) runs.push_back(0);
        ++runs.back();
    }
    return runs;
}
