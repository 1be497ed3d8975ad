// How boxes and the page look on screen, checked on the rendered pixels.
#include "DesignerFixture.h"

#include "designer/CheckInputBox.h"
#include "designer/LabelInputBox.h"

#include <QCheckBox>
#include <QSet>
#include <cmath>

using BoxLook = DesignerFixture;

TEST_F(BoxLook, LabelsShowTheirRecordColour) {
    BoxRecord label = AddRecord(4, "标签文字", 10, 10, 40, 12);
    label.fontSize = 20;
    label.color = 20 | (60 << 8) | (140 << 16);
    SetUpRecord(label);
    const qint64 id = label.id;
    // The darkest pixel is the ink at full strength: the record colour, not black.
    const QImage image = view.BoxById(id)->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest.rgb())) darkest = image.pixelColor(x, y);
    EXPECT_NEAR(darkest.red(), 20, 25);
    EXPECT_NEAR(darkest.blue(), 140, 25);
}

// A label longer than its box shows every line the print gives it, below the box as
// on paper, and no line is wider than the box; a short label keeps the box's height.
TEST_F(BoxLook, ALongLabelShowsEveryLineBelowItsBox) {
    const QString text = QStringLiteral("一个很长很长的标签文字会折行");
    const qint64 id = AddRecord(4, text, 80, 80, 20, 6).id;
    const qint64 shortId = AddRecord(4, "短", 80, 120, 20, 6).id;
    for (int zoom : {-1, 2}) {
        if (zoom >= 0) view.Zoom(zoom);
        InputBox* box = view.BoxById(id);
        const int boxHeight = int(std::lround(box->Twips().height() / view.Canvas()->TwipsPerPixel()));
        auto* label = qobject_cast<LabelInputBox*>(box);
        ASSERT_TRUE(label);
        const QStringList lines = label->Lines();
        EXPECT_GE(lines.size(), 3) << zoom;
        EXPECT_EQ(lines.join(QString()), text);
        const QFontMetrics metrics(label->font());
        for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), box->width()) << zoom;
        EXPECT_GT(box->height(), boxHeight) << zoom;
        const QImage image = box->grab().toImage();
        EXPECT_TRUE(AnyDark(image, QRect(0, boxHeight, image.width(), image.height() - boxHeight))) << zoom;
        EXPECT_EQ(view.BoxById(shortId)->height(), boxHeight) << zoom;
    }

    // Letter spacing breaks earlier and line spacing sets the lines further apart, as on
    // paper; right alignment moves the ink off the box's left edge.
    const auto* plain = qobject_cast<LabelInputBox*>(view.BoxById(id));
    const qsizetype plainLines = plain->Lines().size();
    const int plainHeight = plain->height();
    BoxRecord spaced = *format.FindBox(id);
    spaced.s = 1;
    spaced.SetSpacing(1, 2);
    SetUpRecord(spaced);
    auto* label = qobject_cast<LabelInputBox*>(view.BoxById(id));
    EXPECT_GT(label->Lines().size(), plainLines);
    EXPECT_GT(label->height(), plainHeight);
    const QImage image = label->grab().toImage();
    EXPECT_TRUE(AnyDark(image, QRect(image.width() * 3 / 4, 0, image.width() / 4, image.height())));
    EXPECT_FALSE(AnyDark(image, QRect(0, 0, 3, image.height())));
}

TEST_F(BoxLook, CheckBoxShowsItsWholeFrameAndTickAtEveryZoom) {
    const qint64 id = AddRecord(1, "同意", 20, 20).id;
    view.RebuildBoxes();
    for (int zoom : {-1, 0, 2}) {
        if (zoom >= 0) view.Zoom(zoom);
        auto* box = qobject_cast<CheckInputBox*>(view.BoxById(id));
        const int w = box->width(), h = box->height();
        const QRect inside(2, 2, w - 4, h - 4);
        QImage image = box->grab().toImage();
        for (const QRect& side : {QRect(w / 2, 0, 1, 1), QRect(w / 2, h - 1, 1, 1),
                                  QRect(0, h / 2, 1, 1), QRect(w - 1, h / 2, 1, 1)})
            EXPECT_TRUE(AnyDark(image, side)) << zoom;
        EXPECT_FALSE(AnyDark(image, inside));
        // A click in the far corner ticks the box, and the tick shows inside the frame.
        QTest::mouseClick(box->Check(), Qt::LeftButton, {}, QPoint(w - 2, h - 2));
        EXPECT_EQ(view.GetBoxContent(id), "1");
        EXPECT_TRUE(AnyDark(box->grab().toImage(), inside));
        box->Check()->click();
    }
}

TEST_F(BoxLook, BackgroundPictureIsSmoothedAndRedrawnForNewPicturesAndSizes) {
    // Black and white pixels: stretched without smoothing they stay two flat halves.
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    view.Canvas()->SetBackground(picture);
    view.Canvas()->SetShowBackground(true);
    QImage image = view.Canvas()->grab().toImage();
    QSet<int> greys;
    for (int x = 0; x < image.width(); ++x) greys.insert(qGray(image.pixel(x, image.height() / 2)));
    EXPECT_GT(greys.size(), 20);

    picture.fill(qRgb(0, 0, 255));
    view.Canvas()->SetBackground(picture);
    view.Zoom(0);
    image = view.Canvas()->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 255));
}
