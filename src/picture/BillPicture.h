#pragma once
// The bill page drawn from the model into a picture of a given pixel size, as the
// canvas shows it: white paper, the background picture when "显示底图" is on, and
// every box at its place (no calibration shift). Used where no window can be
// grabbed, and by tests.
#include <QImage>
#include <QSize>

class Bill;
struct Format;

QImage RenderBillPicture(const Format& format, const Bill& bill, const QSize& pixels,
                         double canvasWidthTwips);
