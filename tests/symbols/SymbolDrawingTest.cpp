// The box path the canvas, printer and picture output share: millimetre painters,
// stretched QR modules, empty contents and unknown standards.
#include "SymbolRendering.h"
#include "ZbarDecoder.h"
#include "symbols/QrCode.h"
#include "symbols/SymbolDrawing.h"

#include <QFont>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr double kDotsPerMillimetre = 600 / 25.4;  // a 600 dpi printer

// `content` drawn into a box given in millimetres, as the printer does, with a white
// margin of 10 mm all round.
QImage DrawInMillimetres(const QString& content, BarcodeStandard standard, const QRectF& boxMm) {
    const QSizeF pageMm(boxMm.right() + 10, boxMm.bottom() + 10);
    QImage image((pageMm * kDotsPerMillimetre).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(kDotsPerMillimetre, kDotsPerMillimetre);
    EXPECT_TRUE(DrawSymbol(painter, boxMm, content, standard, QFont(QStringLiteral("DejaVu Sans"), 9)));
    return image;
}

constexpr BarcodeStandard kEveryStandard[] = {BarcodeStandard::Code39, BarcodeStandard::Ean13,
                                             BarcodeStandard::QrCode};

}  // namespace

TEST(SymbolDrawing, EachStandardReadsBackFromAMillimetrePainter) {
    EXPECT_EQ(DecodeSingle(DrawInMillimetres("VM-2026", BarcodeStandard::Code39, QRectF(10, 10, 60, 15))), "VM-2026");
    EXPECT_EQ(DecodeSingle(DrawInMillimetres("690123456789", BarcodeStandard::Ean13, QRectF(10, 10, 40, 20))), "6901234567892");
    const QString text = QStringLiteral("收款人：张三，金额￥1,234.50");
    EXPECT_EQ(DecodeSingle(DrawInMillimetres(text, BarcodeStandard::QrCode, QRectF(10, 10, 25, 25))), text.toUtf8());
}

// No quiet zone: the finder patterns sit in three corners of the box, and a box twice as
// wide as high turns every module into a cell twice as wide as high.
TEST(SymbolDrawing, QrModulesAreStretchedOverTheWholeBox) {
    const QByteArray text = "STRETCHED";
    const std::optional<QrSymbol> symbol =
        EncodeQr(reinterpret_cast<const uint8_t*>(text.constData()), static_cast<int>(text.size()), 0, 1, -1, false);
    ASSERT_TRUE(symbol);
    const int size = symbol->Size();
    const QRect box(30, 30, size * 8, size * 4);
    const QImage image = DrawSymbolImage(QString::fromLatin1(text), BarcodeStandard::QrCode, box.size() + QSize(60, 60), box);
    EXPECT_EQ(DarkBounds(image), box);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool dark = qGray(image.pixel(box.left() + x * 8 + 4, box.top() + y * 4 + 2)) < 128;
            ASSERT_EQ(dark, symbol->Dark(x, y)) << "module " << x << "," << y;
        }
    }
}

// Bars, digits and text never leave the box; Code 39 and EAN-13 print a line of text
// under their bars.
TEST(SymbolDrawing, EverythingStaysInTheBox) {
    const QRect box(20, 20, 360, 90);
    for (BarcodeStandard standard : kEveryStandard) {
        const QImage image = DrawSymbolImage("VELLUMARK-2026", standard, QSize(400, 130), box);
        const QRect dark = DarkBounds(image);
        EXPECT_TRUE(box.contains(dark)) << "standard " << static_cast<int>(standard);
        if (standard != BarcodeStandard::QrCode) {
            EXPECT_NE(RunLengths(image, box.top() + 2), RunLengths(image, dark.bottom() - 2));
        }
    }
}

TEST(SymbolDrawing, EmptyContentDrawsNothingAndUnknownStandardsAreRefused) {
    for (BarcodeStandard standard : kEveryStandard) {
        bool drawn = false;
        EXPECT_TRUE(DarkBounds(DrawSymbolImage(QString(), standard, QSize(200, 100), QRect(10, 10, 180, 80), &drawn)).isEmpty());
        EXPECT_TRUE(drawn);
    }
    bool drawn = true;
    EXPECT_TRUE(DarkBounds(DrawSymbolImage("123", static_cast<BarcodeStandard>(3), QSize(200, 100), QRect(10, 10, 180, 80), &drawn)).isEmpty());
    EXPECT_FALSE(drawn);
}
