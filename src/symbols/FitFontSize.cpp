#include "symbols/FitFontSize.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
double TextWidth(const QPainter& painter, QFont font, const QString& text, int pointSize) {
    font.setPointSize(pointSize);
    return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
}
}  // namespace

int FitFontSize(const QPainter& painter, const QFont& font, const QString& text, double width) {
    int size = 5;
    for (int doubling = 0; doubling < 10 && TextWidth(painter, font, text, size) < width; ++doubling) size *= 2;
    while (size >= 1 && TextWidth(painter, font, text, size) > width) --size;
    return size;
}

int LimitFontSizeToHeight(const QPainter& painter, const QFont& font, int pointSize, double height) {
    QFont sized = font;
    for (; pointSize >= 1; --pointSize) {
        sized.setPointSize(pointSize);
        if (QFontMetricsF(sized, painter.device()).height() <= height) break;
    }
    return qMax(pointSize, 0);
}
