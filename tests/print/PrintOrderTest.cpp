// What a page holds and in which order it is drawn.
#include "../content/layout/RecordingDevice.h"
#include "PdfProbe.h"
#include "PrintFixture.h"
#include "print/BillPage.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PrintPage, TextBoxesFirstThenCheckBoxesLabelsLast) {
    Format format = MakeFormat();
    // The box grid's order is kept within a kind; kinds print in a fixed order.
    format.boxes << MakeBox(1, BoxKind::Label, 10, 10, 30, 8, QStringLiteral("标签"))
                 << MakeBox(2, BoxKind::Check, 10, 20, 5, 5)
                 << MakeBox(3, BoxKind::Text, 10, 30, 30, 8)
                 << MakeBox(4, BoxKind::Text, 10, 40, 30, 8);
    Bill bill;
    bill.SetValue(2, QStringLiteral("1"));
    bill.SetValue(3, QStringLiteral("甲"));
    bill.SetValue(4, QStringLiteral("乙"));
    RecordingDevice device;
    QPainter painter(&device);
    PrintPage(painter, format, bill, BillPageOptions());
    painter.end();
    EXPECT_EQ(device.recording.AllText(), QStringLiteral("甲乙√标签"));
}

TEST(PrintPage, QrCodeBoxDecodesToItsText) {
    QTemporaryDir dir;
    Format format = MakeFormat();
    format.page.options.barcodeStandard = BarcodeStandard::QrCode;
    format.boxes << MakeBox(1, BoxKind::Picture, 40, 40, 30, 30);
    const QString text = QStringLiteral("Vellumark 票据 12345");
    Bill bill;
    bill.SetValue(1, text);
    const QString pdf = dir.filePath("qr.pdf");
    ASSERT_EQ(PrintToPdf(format, bill, pdf), 1);
    const QImage page = RasterisePage(pdf, 1, 300);
    const double pxPerMm = 300 / 25.4;
    const QImage symbol = page.copy(QRectF(QPointF(35, 35) * pxPerMm, QSizeF(40, 40) * pxPerMm)
                                        .toRect());
    EXPECT_EQ(DecodeSymbol(symbol), text.toUtf8());
}

TEST(PrintPage, PictureBoxIsDrawnIntoItsShiftedRectangle) {
    QTemporaryDir dir;
    // A black picture file in a picture box.
    QImage black(40, 20, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QString picture = dir.filePath("stamp.png");
    ASSERT_TRUE(black.save(picture));
    Format format = MakeFormat();
    format.page.offsetX = 15; // 5 mm to the left
    format.boxes << MakeBox(1, BoxKind::Picture, 50, 60, 40, 20);
    Bill bill;
    bill.SetValue(1, picture);
    const QString pdf = dir.filePath("picture.pdf");
    ASSERT_EQ(PrintToPdf(format, bill, pdf), 1);
    const QRectF ink = DarkBox(RasterisePage(pdf, 1, 600), 600, QRectF(0, 0, 200, 150));
    EXPECT_NEAR(ink.left(), 45, 0.1);
    EXPECT_NEAR(ink.top(), 60, 0.1);
    EXPECT_NEAR(ink.width(), 40, 0.1);
}
