// The page on screen: fitting, rulers, the background picture and its captions,
// and page-size changes.
#include "DesignerFixture.h"

#include "common/TempDataFolder.h"
#include "designer/CanvasScale.h"
#include "store/FormatStore.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QScrollBar>

#include <cmath>

using DesignerCanvas = DesignerFixture;

namespace {
QColor PixelAtMm(PageCanvas* canvas, double xMm, double yMm) {
    const QImage image = canvas->grab().toImage();
    const double pixelsPerMm = canvas->Scale().K() / canvas->TwipsPerPixel();
    return image.pixelColor(int(xMm * pixelsPerMm), int(yMm * pixelsPerMm));
}
} // namespace

TEST_F(DesignerCanvas, FitsThePageToTheViewportWidthAndScrollsByFifths) {
    EXPECT_NEAR(view.CanvasWidthTwips(), view.ViewportWidthTwips(), 1e-6);
    QScrollBar* vertical = nullptr;
    for (QScrollBar* bar : view.findChildren<QScrollBar*>())
        if (bar->orientation() == Qt::Vertical) vertical = bar;
    ASSERT_TRUE(vertical && vertical->isEnabled()); // A4 is taller than the viewport
    // Two fifths of the viewport up, to the nearest pixel (whatever the viewport's height).
    const int viewportHeight = view.Canvas()->parentWidget()->height();
    vertical->setValue(2);
    EXPECT_EQ(view.Canvas()->y(), std::lround(-2.0 * viewportHeight / 5)) << viewportHeight;
    vertical->setValue(5);
    EXPECT_EQ(view.Canvas()->y(), -viewportHeight); // five steps: exactly one viewport
}

TEST_F(DesignerCanvas, DrawsTheRulerGridWhenAsked) {
    EXPECT_EQ(PixelAtMm(view.Canvas(), 20, 15), QColor(Qt::white));
    view.SetOption(kShowRulers, true);
    EXPECT_EQ(PixelAtMm(view.Canvas(), 20, 15), QColor(255, 114, 0));   // 20 mm: major
    EXPECT_EQ(PixelAtMm(view.Canvas(), 22, 15), QColor(255, 192, 141)); // 22 mm: minor
    EXPECT_EQ(PixelAtMm(view.Canvas(), 21, 15), QColor(Qt::white));
}

TEST_F(DesignerCanvas, BackgroundHidesCaptionsOnlyWhenAPictureShows) {
    TempDataFolder folder;
    const qint64 id = AddRecord(0, "金额", 50, 50).id;
    view.Rebuild();
    QLabel* caption = view.BoxById(id)->Caption();
    view.SetOption(kShowBackground, true);
    EXPECT_TRUE(caption->isVisible()); // no picture loaded
    EXPECT_EQ(PixelAtMm(view.Canvas(), 100, 100), QColor(Qt::white));

    asker.File(SavePicture("scan.JPG", Qt::blue));
    ChooseCanvasItem(QPoint(100, 100), "mModiBackgroundPic");
    const QString stored = BackgroundPicturePath(format.name);
    EXPECT_TRUE(QFile::exists(stored));
    EXPECT_FALSE(view.BoxById(id)->Caption()->isVisible());
    EXPECT_LT(PixelAtMm(view.Canvas(), 100, 280).red(), 60); // stretched over the page

    // Replacing asks first; No keeps the old picture.
    asker.File(SavePicture("other.jpg", Qt::green)).No();
    view.ReplaceBackground();
    EXPECT_GT(PixelAtMm(view.Canvas(), 100, 100).blue(), 200);
    // Choosing the stored picture itself keeps it.
    asker.File(stored).Yes();
    view.ReplaceBackground();
    EXPECT_TRUE(QFile::exists(stored));
    // Only .jpg files are taken.
    asker.File(files.filePath("scan.png"));
    view.ReplaceBackground();

    asker.Yes();
    ChooseCanvasItem(QPoint(100, 100), "mClearBackPic");
    EXPECT_FALSE(QFile::exists(stored));
    EXPECT_TRUE(view.BoxById(id)->Caption()->isVisible());
    EXPECT_TRUE(asker.AllAnswered());
}

TEST_F(DesignerCanvas, ALockedFormatKeepsItsBackground) {
    TempDataFolder folder;
    asker.File(SavePicture("scan.jpg", Qt::blue));
    view.ReplaceBackground();
    const QString stored = BackgroundPicturePath(format.name);
    ASSERT_TRUE(QFile::exists(stored));
    view.SetOption(kLocked, true);

    // The menu offers neither item, and the commands themselves ask nothing.
    const QPoint pixels(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pixels, view.Canvas()->mapToGlobal(pixels));
    QCoreApplication::sendEvent(view.Canvas(), &event);
    for (const char* item : {"mModiBackgroundPic", "mClearBackPic"})
        EXPECT_FALSE(view.CanvasMenu()->findChild<QAction*>(QLatin1String(item))->isEnabled()) << item;
    view.CanvasMenu()->hide();
    asker.File(SavePicture("other.jpg", Qt::green));
    view.ReplaceBackground();
    view.ClearBackground();
    EXPECT_TRUE(asker.questions.isEmpty());
    EXPECT_TRUE(QFile::exists(stored));
    EXPECT_GT(QImage(stored).pixelColor(20, 20).blue(), 200); // still the first picture
}

TEST_F(DesignerCanvas, PageSizeChangesKeepBoxPositionsInMillimetres) {
    const qint64 id = AddRecord(0, "a", 10, 10, 30, 8).id;
    view.RebuildBoxes();
    const int before = view.BoxById(id)->x();
    view.SetPageSize(QSizeF(105, 148));
    EXPECT_EQ(format.page.width, 105);
    EXPECT_EQ(format.FindBox(id)->x, 10);
    // Half the page width on the same canvas width: everything twice as large.
    EXPECT_NEAR(view.BoxById(id)->x(), 2 * before, 1);
    EXPECT_EQ(view.BoxById(id)->Twips().width(), view.Canvas()->Scale().MmToCanvas(30));
}

TEST_F(DesignerCanvas, CaptionsSitOnTheSideTheirRecordNames) {
    // Each AddRecord may move the list: take the ID before adding the next.
    BoxRecord left = AddRecord(0, "左边的标签", 50, 50);
    left.dir = 1;
    SetUpRecord(left);
    BoxRecord below = AddRecord(2, "下面", 50, 100);
    below.dir = 3;
    SetUpRecord(below);
    const qint64 leftId = left.id, belowId = below.id;
    view.RebuildBoxes();
    const InputBox* l = view.BoxById(leftId);
    EXPECT_EQ(l->Caption()->geometry().right() + 1, l->x());
    const InputBox* b = view.BoxById(belowId);
    EXPECT_EQ(b->Caption()->y(), b->geometry().bottom() + 1);
    // Readable on the white page, whatever the grey viewport around it.
    EXPECT_LT(qGray(b->Caption()->palette().color(b->Caption()->foregroundRole()).rgb()), 64);
}
