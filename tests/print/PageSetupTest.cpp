// The calibration page, refused paper sizes, rulers and the background picture.
#include "PdfProbe.h"
#include "PrintFixture.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "print/CalibrationPage.h"
#include "print/PageSetup.h"
#include "print/PrinterChoice.h"
#include "store/FormatStore.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CalibrationPage, SquareFromTenToTwentyMillimetresOnA4OnlyAfterYes) {
    QTemporaryDir dir;
    const QString declined = dir.filePath("declined.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, declined);
        ScriptedAsker asker;
        asker.No();
        EXPECT_FALSE(PrintCalibrationPage(printer, asker));
        EXPECT_TRUE(asker.questions.value(0).contains(QStringLiteral("校验图形")));
    }
    EXPECT_FALSE(QFileInfo::exists(declined));

    const QString pdf = dir.filePath("calibration.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, pdf);
        ScriptedAsker asker;
        asker.Yes();
        ASSERT_TRUE(PrintCalibrationPage(printer, asker));
    }
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].size.width(), 210, 0.4);
    EXPECT_NEAR(pages[0].size.height(), 297, 0.4);
    const QRectF square = DarkBox(RasterisePage(pdf, 1, 600), 600, QRectF(0, 0, 50, 50));
    // The outline's centre line runs along 10 and 20 mm.
    EXPECT_NEAR(square.left(), 10, 0.15);
    EXPECT_NEAR(square.right(), 20, 0.15);
    EXPECT_NEAR(square.top(), 10, 0.15);
    EXPECT_NEAR(square.bottom(), 20, 0.15);
}

TEST(PageSetup, RefusedPaperIsReportedAndPrintingGoesOn) {
    QPrinter printer(QPrinter::HighResolution);
    ScriptedAsker asker;
    EXPECT_EQ(SetCustomPaper(printer, QStringLiteral("Marrowby格式"), 0, 0, asker), kPaperRefused);
    EXPECT_EQ(asker.messages, QStringList{QStringLiteral("错误号: 1")});
    EXPECT_EQ(SetCustomPaper(printer, QStringLiteral("Marrowby格式"), 241, 93.1, asker), 0);
    EXPECT_EQ(printer.pageLayout().pageSize().name(), QStringLiteral("Marrowby格式"));
}

TEST(PrintPage, RulersAndBackgroundPictureFollowTheFormatOptions) {
    TempDataFolder folder;
    Format format = MakeFormat(100, 50);
    format.page.options.setPaper = true;
    format.page.options.printBackground = true;
    format.page.offsetY = 12; // the picture moves with the data: 2 mm up
    // A background that is black in its left half.
    QImage background(200, 100, QImage::Format_RGB32);
    background.fill(Qt::white);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) background.setPixel(x, y, qRgb(0, 0, 0));
    ASSERT_TRUE(background.save(BackgroundPicturePath(format.name), "JPG"));

    const QString pdf = folder.File(QStringLiteral("background.pdf"));
    ASSERT_EQ(PrintToPdf(format, Bill(), pdf), 1);
    const QImage page = RasterisePage(pdf, 1, 600);
    const QRectF ink = DarkBox(page, 600, QRectF(0, 0, 100, 50));
    EXPECT_NEAR(ink.left(), 0, 0.2);
    EXPECT_NEAR(ink.right(), 50, 0.3);
    EXPECT_NEAR(ink.bottom(), 48, 0.3);

    format.page.options.printBackground = false;
    format.page.options.printRulers = true;
    const QString rulers = folder.File(QStringLiteral("rulers.pdf"));
    ASSERT_EQ(PrintToPdf(format, Bill(), rulers), 1);
    const QImage ruled = RasterisePage(rulers, 1, 600);
    // A full-height line at every centimetre, only ticks in between.
    EXPECT_FALSE(DarkBox(ruled, 600, QRectF(29.8, 30, 0.4, 10)).isEmpty());
    EXPECT_TRUE(DarkBox(ruled, 600, QRectF(31.5, 31, 7, 8)).isEmpty());
}
