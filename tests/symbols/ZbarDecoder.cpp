#include "ZbarDecoder.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <zbar.h>

std::vector<DecodedSymbol> DecodeWithZbar(const QImage& image, bool binaryQr) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    // zbar wants tightly packed rows.
    QByteArray pixels;
    pixels.reserve(gray.width() * gray.height());
    for (int y = 0; y < gray.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(gray.constScanLine(y)), gray.width());

    zbar::zbar_image_scanner_t* scanner = zbar::zbar_image_scanner_create();
    if (binaryQr) zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
    zbar::zbar_image_t* zimage = zbar::zbar_image_create();
    zbar::zbar_image_set_format(zimage, zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(zimage, gray.width(), gray.height());
    zbar::zbar_image_set_data(zimage, pixels.constData(), pixels.size(), nullptr);

    std::vector<DecodedSymbol> result;
    zbar::zbar_scan_image(scanner, zimage);
    for (const zbar::zbar_symbol_t* symbol = zbar::zbar_image_first_symbol(zimage); symbol;
         symbol = zbar::zbar_symbol_next(symbol)) {
        result.push_back({QString::fromLatin1(zbar::zbar_get_symbol_name(zbar::zbar_symbol_get_type(symbol))),
                          QByteArray(zbar::zbar_symbol_get_data(symbol),
                                     static_cast<int>(zbar::zbar_symbol_get_data_length(symbol)))});
    }
    zbar::zbar_image_destroy(zimage);
    zbar::zbar_image_scanner_destroy(scanner);
    return result;
}

QByteArray DecodeSingle(const QImage& image, bool binaryQr) {
    const std::vector<DecodedSymbol> symbols = DecodeWithZbar(image, binaryQr);
    EXPECT_EQ(symbols.size(), 1u) << "zbar found " << symbols.size() << " symbols";
    return symbols.empty() ? QByteArray() : symbols.front().data;
}

QImage WithQuietZone(const QImage& content, int margin) {
    QImage framed(content.width() + 2 * margin, content.height() + 2 * margin, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(margin, margin, content);
    return framed;
}
