// How boxes and the page look on screen, checked on the rendered pixels.
#include "DesignerFixture.h"

#include "designer/CheckInputBox.h"

#include <QCheckBox>
#include <QSet>

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
