// What printing leaves out that the designer and the preview show: the faint outline
// of an empty box, the background picture and the bill's edge.
#include "common/TempDataFolder.h"
#include "print/BillPage.h"
#include "store/Bill.h"
#include "store/Format.h"
#include "store/FormatStore.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
// A page at 144 dpi: a pixel is 10 twips.
QImage PrintedPage(const Format& format, const Bill& bill, const BillPageOptions& options, QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(5669);
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    QPainter painter(&page);
    PrintPage(painter, format, bill, options);
    return page;
}
} // namespace

TEST(PreviewPage, EmptyBoxesPrintNothing) {
    Format format;
    format.name = QStringLiteral("空框");
    format.page.width = 210;
    format.page.height = 297;
    format.boxes << BoxRecord{.id = 1, .label = QStringLiteral("甲"), .kind = BoxKind::Text, .x = 20, .y = 20,
                              .w = 40, .h = 10, .fontName = QStringLiteral("宋体"), .fontSize = 9}
                 << BoxRecord{.id = 2, .label = QStringLiteral("图"), .kind = BoxKind::Picture, .x = 20, .y = 60,
                              .w = 40, .h = 20, .fontName = QStringLiteral("宋体"), .fontSize = 9};
    const QImage printed = PrintedPage(format, Bill(), BillPageOptions{}, QSize(1200, 1700));
    for (int y = 0; y < printed.height(); y += 3)
        for (int x = 0; x < printed.width(); ++x)
            ASSERT_EQ(printed.pixel(x, y), QColor(Qt::white).rgb()) << x << ',' << y;
}

TEST(PreviewPage, ShowsTheBackgroundFaintlyAndTheBillsEdgeWhichPrintingLeavesOut) {
    TempDataFolder folder;
    Format format;
    format.name = QStringLiteral("底图");
    format.page.width = 100;
    format.page.height = 50;
    format.page.offsetX = 12; // printed 2 mm to the left, picture and edge with it
    QImage scan(200, 100, QImage::Format_RGB32);
    scan.fill(Qt::black);
    ASSERT_TRUE(scan.save(BackgroundPicturePath(format.name), "JPG"));

    const auto render = [&format](const BillPageOptions& options) {
        return PrintedPage(format, Bill(), options, QSize(1700, 850));
    };
    const QImage printed = render(BillPageOptions{});
    EXPECT_EQ(printed.pixel(300, 200), QColor(Qt::white).rgb());
    const QImage preview = render(PreviewOptions(BillPageOptions{}));
    const int inside = qGray(preview.pixel(300, 200));
    EXPECT_GT(inside, 140); // faint, the data stays readable over it
    EXPECT_LT(inside, 230);
    // The edge of the bill: its right side at 100 mm − 2 mm, in twips / 10.
    const int edgeX = int(98 * 56.6929 / 10);
    bool edge = false;
    for (int x = edgeX - 2; x <= edgeX + 2; ++x) edge = edge || qGray(preview.pixel(x, 100)) < 200;
    EXPECT_TRUE(edge);
}
