// The print preview: the bill over a faint copy of its background picture, in a
// window large enough to read, the page fitted to its width.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

namespace {

class PrintPreviewWindowTest : public AppFixture {};

// Pixels of the background's red seen through the preview: reddish but far from the
// full colour, since the picture is drawn faintly.
int FaintRedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 200 && colour.green() > 120 && colour.green() < 225 &&
                colour.red() - colour.blue() > 30)
                ++count;
        }
    return count;
}

} // namespace

TEST_F(PrintPreviewWindowTest, ShowsTheBackgroundFaintlyInALargeWindowFittedToTheWidth) {
    auto session = OpenSession();
    ASSERT_TRUE(session);
    auto window = StartWindowOnSample(*session);
    // Read by the print at each page, so it may come after the format opened.
    QImage picture(420, 198, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(BackgroundPicturePath("支票"), "JPG"));
    ASSERT_FALSE(session->CurrentFormat().page.options.printBackground); // printing leaves it out
    // The sample's boxes name no font: the preview draws them in the default box font.
    window->resize(1000, 700);

    QSize shownSize;
    QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
    int faintRed = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        shownSize = dialog->size();
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_TRUE(pages);
        zoom = pages->zoomMode();
        faintRed = FaintRedPixels(pages->grab().toImage());
        dialog->reject();
    });
    window->findChild<QAction*>("mPrintPreview")->trigger();

    EXPECT_GE(shownSize.width(), window->frameGeometry().width() * 8 / 10);
    EXPECT_GE(shownSize.height(), window->frameGeometry().height() * 8 / 10);
    EXPECT_EQ(zoom, QPrintPreviewWidget::FitToWidth);
    EXPECT_GT(faintRed, 1000);
}
