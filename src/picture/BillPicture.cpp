#include "picture/BillPicture.h"

#include "print/BillPage.h"
#include "store/Format.h"

#include <QPainter>
#include <cmath>

QImage RenderBillPicture(const Format& format, const Bill& bill, const QSize& pixels,
                         double canvasWidthTwips) {
    QImage picture(pixels, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (format.page.width <= 0 || format.page.height <= 0) return picture;
    // The page spans the picture, so its resolution follows from the page size.
    picture.setDotsPerMeterX(int(std::lround(pixels.width() / (format.page.width / 1000))));
    picture.setDotsPerMeterY(int(std::lround(pixels.height() / (format.page.height / 1000))));

    BillPageOptions options;
    options.canvasWidthTwips = canvasWidthTwips;
    options.background = format.page.options.optionBoxes[kShowBackground] != 0;
    options.calibrated = false;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PrintPage(painter, format, bill, options);
    return picture;
}
