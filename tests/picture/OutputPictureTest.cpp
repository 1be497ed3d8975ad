// Saving the bill page as a JPEG: the file name rule, the questions, the failure
// message, and a page drawn from the model.
#include "common/ScriptedAsker.h"
#include "picture/BillPicture.h"
#include "picture/OutputPicture.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage Page(const QColor& colour) {
    QImage page(320, 200, QImage::Format_RGB32);
    page.fill(colour);
    return page;
}

} // namespace

TEST(OutputPicture, AppendsJpgUnlessTheNameEndsInLowerCaseJpg) {
    for (const auto& [in, out] : {std::pair{"/tmp/a", "/tmp/a.jpg"}, {"/tmp/a.jpg", "/tmp/a.jpg"}, {"/tmp/a.JPG", "/tmp/a.JPG.jpg"}})
        EXPECT_EQ(WithJpgExtension(QString::fromLatin1(in)), QString::fromLatin1(out));
}

TEST(OutputPicture, WritesAJpegOfThePageAndAsksBeforeOverwriting) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("票据"));
    ScriptedAsker first;
    first.File(stem);
    ASSERT_TRUE(OutputPicture(Page(Qt::red), first));
    QImageReader reader(stem + QStringLiteral(".jpg"));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), QSize(320, 200));

    // An existing file: No keeps it, Yes replaces it.
    ScriptedAsker declines;
    declines.File(stem).No();
    EXPECT_FALSE(OutputPicture(Page(Qt::blue), declines));
    ASSERT_EQ(declines.questions.size(), 1);
    EXPECT_TRUE(declines.questions[0].contains(QStringLiteral("已存在，是否覆盖？")));
    EXPECT_GT(QImage(stem + ".jpg").pixelColor(10, 10).red(), 200);

    ScriptedAsker agrees;
    agrees.File(stem + ".jpg").Yes();
    EXPECT_TRUE(OutputPicture(Page(Qt::blue), agrees));
    EXPECT_GT(QImage(stem + ".jpg").pixelColor(10, 10).blue(), 200);
    EXPECT_TRUE(agrees.AllAnswered());
}

TEST(OutputPicture, CancelWritesNothingAndAFailedWriteIsReported) {
    QTemporaryDir dir;
    ScriptedAsker cancels;
    cancels.File(QString());
    EXPECT_FALSE(OutputPicture(Page(Qt::red), cancels));
    EXPECT_TRUE(cancels.messages.isEmpty());

    ScriptedAsker fails;
    fails.File(dir.filePath(QStringLiteral("no/such/folder/bill")));
    EXPECT_FALSE(OutputPicture(Page(Qt::red), fails));
    EXPECT_EQ(fails.messages, QStringList{QStringLiteral("保存图片出错！")});
}

TEST(BillPicture, BoxesAppearWhereTheyAreOnThePageWithoutCalibrationShift) {
    Format format;
    format.name = QStringLiteral("图片");
    format.page.width = 200;
    format.page.height = 100;
    format.page.offsetX = 30; // printing only
    format.boxes << BoxRecord{.id = 1, .kind = BoxKind::Line, .x = 50, .y = 50, .w = 150, .h = 50, .fontSize = 4};
    const QImage picture = RenderBillPicture(format, Bill(), QSize(800, 400), 15020);
    ASSERT_EQ(picture.size(), QSize(800, 400));
    // 4 px per mm: the line runs from x 200 to 600 on row 200.
    EXPECT_LT(qGray(picture.pixel(210, 200)), 100);
    EXPECT_LT(qGray(picture.pixel(590, 200)), 100);
    EXPECT_GT(qGray(picture.pixel(180, 200)), 200);
    EXPECT_GT(qGray(picture.pixel(620, 200)), 200);
}
