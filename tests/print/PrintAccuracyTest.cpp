// Where the print lands on paper, read back from the PDF files the print command
// writes, and the same from a printer in PDF mode.
#include "PdfProbe.h"
#include "PrintFixture.h"

#include "common/ScriptedAsker.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;

QRectF FirstWord(const QString& pdf, const QString& text) {
    const QList<PdfPage> pages = ReadPdf(pdf);
    if (pages.isEmpty()) return {};
    for (const PdfWord& word : pages.first().words)
        if (word.text == text) return word.box;
    return {};
}

} // namespace

TEST(PrintAccuracy, TextBoxStartsAtItsPositionMinusTheStoredOffset) {
    QTemporaryDir dir;
    Format format = MakeFormat();
    format.boxes << MakeBox(1, BoxKind::Text, 30, 40, 80, 10);
    Bill bill;
    bill.SetValue(1, QStringLiteral("Vellumark"));

    const QString plain = dir.filePath("plain.pdf");
    ASSERT_EQ(PrintToPdf(format, bill, plain), 1);
    const QRectF word = FirstWord(plain, QStringLiteral("Vellumark"));
    EXPECT_NEAR(word.left(), 30, 0.1);
    // The text's top: rasterised ink of a capital starts just below the box top.
    const QRectF ink = DarkBox(RasterisePage(plain, 1, kDpi), kDpi, QRectF(25, 35, 60, 15));
    EXPECT_GT(ink.top(), 40);
    EXPECT_LT(ink.top(), 41.5);

    format.page.offsetX = 12;
    format.page.offsetY = 7;
    const QString shifted = dir.filePath("shifted.pdf");
    ASSERT_EQ(PrintToPdf(format, bill, shifted), 1);
    const QRectF moved = FirstWord(shifted, QStringLiteral("Vellumark"));
    EXPECT_NEAR(moved.left(), 28, 0.1);
    EXPECT_NEAR(moved.top() - word.top(), 3, 0.1);
}

TEST(PrintAccuracy, LineEndsLandWhereTheRecordPutsThem) {
    QTemporaryDir dir;
    Format format = MakeFormat();
    BoxRecord line = MakeBox(1, BoxKind::Line, 20, 50, 120, 50);
    line.fontSize = 2;
    format.boxes << line;
    const QString pdf = dir.filePath("line.pdf");
    ASSERT_EQ(PrintToPdf(format, Bill(), pdf), 1);
    const QRectF ink = DarkBox(RasterisePage(pdf, 1, kDpi), kDpi, QRectF(0, 40, 200, 20));
    EXPECT_NEAR(ink.left(), 20, 0.1);
    EXPECT_NEAR(ink.right(), 120, 0.1);
    EXPECT_NEAR(ink.center().y(), 50, 0.1);
}

TEST(PrintAccuracy, CustomPaperAndLengthwiseFeed) {
    QTemporaryDir dir;
    Format cheque = MakeFormat(241, 93.1);
    cheque.page.options.setPaper = true;
    cheque.boxes << MakeBox(1, BoxKind::Text, 10, 10, 50, 10);
    Bill bill;
    bill.SetValue(1, QStringLiteral("A"));
    const QString custom = dir.filePath("custom.pdf");
    ASSERT_EQ(PrintToPdf(cheque, bill, custom), 1);
    const QList<PdfPage> pages = ReadPdf(custom);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].size.width(), 241, 0.2);
    EXPECT_NEAR(pages[0].size.height(), 93.1, 0.2);

    // "纵向打印": the same paper turned to landscape.
    Format lengthwise = MakeFormat();
    lengthwise.page.options.optionBoxes[kLengthwise] = 1;
    const QString turned = dir.filePath("turned.pdf");
    ASSERT_EQ(PrintToPdf(lengthwise, bill, turned), 1);
    const QList<PdfPage> landscape = ReadPdf(turned);
    ASSERT_EQ(landscape.size(), 1);
    EXPECT_GT(landscape[0].size.width(), landscape[0].size.height());
}

TEST(PrintJob, CopiesArePagesOfOneJobAndOneBill) {
    QTemporaryDir dir;
    Format format = MakeFormat();
    format.boxes << MakeBox(1, BoxKind::Text, 30, 40, 80, 10);
    Bill bill;
    bill.SetValue(1, QStringLiteral("Copy"));
    int bills = 0;
    const QString pdf = dir.filePath("copies.pdf");
    EXPECT_EQ(PrintToPdf(format, bill, pdf, 3, &bills), 3);
    EXPECT_EQ(bills, 1);
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 3);
    for (const PdfPage& page : pages) {
        ASSERT_EQ(page.words.size(), 1);
        EXPECT_NEAR(page.words[0].box.left(), 30, 0.1);
    }
}

// Kerned Latin pairs in a box whose right edge is at 65 mm: right alignment ends one
// twip inside it, centring leaves equal room on both sides.
TEST(PrintAccuracy, KernedPairsKeepTheirAlignmentOnPaper) {
    QTemporaryDir dir;
    constexpr double kLeftMm = 15, kWidthMm = 50, kTwipMm = 1 / 56.6928;
    const QStringList pairs = {"AV", "To", "WA"};
    for (int alignment : {1, 2}) {
        Format format = MakeFormat();
        Bill bill;
        for (int i = 0; i < pairs.size(); ++i) {
            BoxRecord box = MakeBox(i + 1, BoxKind::Text, kLeftMm, 20 + 15 * i, kWidthMm, 10);
            box.l = alignment * 1000;
            format.boxes << box;
            bill.SetValue(box.id, pairs[i]);
        }
        const QString pdf = dir.filePath(QStringLiteral("aligned%1.pdf").arg(alignment));
        ASSERT_EQ(PrintToPdf(format, bill, pdf), 1);
        for (const QString& pair : pairs) {
            const QRectF word = FirstWord(pdf, pair);
            ASSERT_FALSE(word.isNull()) << pair.toStdString();
            const double rightRoom = kLeftMm + kWidthMm - kTwipMm - word.right();
            if (alignment == 1) EXPECT_NEAR(rightRoom, 0, 0.01) << pair.toStdString();
            else EXPECT_NEAR(word.left() - kLeftMm, rightRoom, 0.02) << pair.toStdString();
        }
    }
}

// A PDF file written straight and one from a printer in PDF mode are the same pages:
// sizes, orientation and every word's box.
TEST(PrintAccuracy, PdfWriterAndPrinterPutEveryWordInTheSamePlace) {
    QTemporaryDir dir;
    Format format = MakeFormat(241, 140);
    format.page.options.setPaper = true;
    format.page.offsetX = 11.5;
    format.boxes << MakeBox(1, BoxKind::Text, 30, 40, 80, 10) << MakeBox(2, BoxKind::Text, 120, 90, 100, 30);
    format.boxes[1].fontName = QStringLiteral("宋体");
    format.boxes[1].fontSize = 20;
    Bill bill;
    bill.SetValue(1, QStringLiteral("Vellumark 收款人 123.45"));
    bill.SetValue(2, QStringLiteral("张𠮷 北京市"));
    for (bool lengthwise : {false, true}) {
        format.page.options.optionBoxes[kLengthwise] = lengthwise ? 1 : 0;
        const QString written = dir.filePath(QStringLiteral("written%1.pdf").arg(lengthwise));
        const QString printed = dir.filePath(QStringLiteral("printed%1.pdf").arg(lengthwise));
        ASSERT_EQ(PrintToPdf(format, bill, written), 1);
        {
            QPrinter printer(QPrinter::HighResolution);
            UsePdfFile(printer, printed);
            ScriptedAsker asker;
            PrintJob job(printer, asker);
            ASSERT_TRUE(job.PrintBill(format, bill, {}));
        }
        const QList<PdfPage> a = ReadPdf(written), b = ReadPdf(printed);
        ASSERT_EQ(a.size(), 1);
        ASSERT_EQ(b.size(), 1);
        EXPECT_NEAR(a[0].size.width(), b[0].size.width(), 0.001);
        EXPECT_NEAR(a[0].size.height(), b[0].size.height(), 0.001);
        // The form is wider than tall; fed lengthwise, the page is turned.
        EXPECT_EQ(a[0].size.width() > a[0].size.height(), !lengthwise);
        ASSERT_EQ(a[0].words.size(), b[0].words.size());
        ASSERT_GE(a[0].words.size(), 5);
        for (qsizetype i = 0; i < a[0].words.size(); ++i) {
            EXPECT_EQ(a[0].words[i].text, b[0].words[i].text);
            for (const auto& [x, y] : {std::pair{a[0].words[i].box.topLeft(), b[0].words[i].box.topLeft()},
                                       std::pair{a[0].words[i].box.bottomRight(), b[0].words[i].box.bottomRight()}}) {
                EXPECT_NEAR(x.x(), y.x(), 0.001) << a[0].words[i].text.toStdString();
                EXPECT_NEAR(x.y(), y.y(), 0.001) << a[0].words[i].text.toStdString();
            }
        }
        EXPECT_EQ(PdfText(written), PdfText(printed));
        EXPECT_TRUE(PdfText(written).contains(QStringLiteral("张𠮷"))) << PdfText(written).toStdString();
    }
}
