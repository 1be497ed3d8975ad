// The sizes of a symbol's text line, found from one measurement, are the sizes a
// search one point at a time finds.
#include "symbols/FitFontSize.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QFont SizedFont(QFont font, int size) {
    font.setPointSize(size);
    return font;
}

// The largest size from `top` down that passes, one point at a time.
template <typename Passes>
int SteppedSize(int top, const Passes& passes) {
    while (top >= 1 && !passes(top)) --top;
    return top;
}

} // namespace

TEST(FitFontSize, FindsTheSizesAStepwiseSearchFinds) {
    for (const int dpi : {96, 300, 600}) {
        QImage device(10, 10, QImage::Format_RGB32);
        device.setDotsPerMeterX(int(dpi / 0.0254));
        device.setDotsPerMeterY(int(dpi / 0.0254));
        QPainter painter(&device);
        for (const char* family : {"DejaVu Sans", "DejaVu Sans Mono"}) {
            const QFont font{QString::fromLatin1(family)};
            const auto widthAt = [&](const QString& text, int size) {
                return QFontMetricsF(SizedFont(font, size), &device).horizontalAdvance(text);
            };
            const auto heightAt = [&](int size) { return QFontMetricsF(SizedFont(font, size), &device).height(); };
            for (const QString& text : {QStringLiteral("*VM-2026*"), QStringLiteral("000000"), QStringLiteral("i")}) {
                for (const double width : {0.5, 7.0, 61.0, 333.3, 1200.0, 4096.0}) {
                    // Up from 5 by doubling (to 5120 at most) until too wide, then down.
                    int top = 5;
                    while (top < 5120 && widthAt(text, top) < width) top *= 2;
                    const int expected = SteppedSize(top, [&](int s) { return widthAt(text, s) <= width; });
                    EXPECT_EQ(FitFontSize(painter, font, text, width), expected)
                        << family << " " << dpi << " dpi, " << text.toStdString() << " in " << width;
                }
            }
            for (const double height : {0.5, 9.0, 40.0, 250.0}) {
                for (const int top : {0, 8, 72}) {
                    const int expected = SteppedSize(top, [&](int s) { return heightAt(s) <= height; });
                    EXPECT_EQ(LimitFontSizeToHeight(painter, font, top, height), qMax(expected, 0))
                        << family << " " << dpi << " dpi, from " << top << " to " << height;
                }
            }
        }
    }
}
