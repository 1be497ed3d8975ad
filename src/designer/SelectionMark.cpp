#include "designer/SelectionMark.h"

#include <QPainter>

namespace {
constexpr int kFrameWidth = 2;
constexpr int kGripSide = 6;
constexpr int kFaceAlpha = 50;
} // namespace

SelectionMark::SelectionMark(QWidget* box) : BoxOverlay(box) {
    setObjectName(QStringLiteral("SelectionMark"));
    hide();
}

void SelectionMark::Show(bool selected, bool current) {
    selected_ = selected;
    current_ = current;
    setVisible(selected || current);
    raise();
    update();
}

void SelectionMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    if (selected_) {
        QColor face = kSelectionColor;
        face.setAlpha(kFaceAlpha);
        painter.fillRect(area, face);
        painter.setPen(QPen(kSelectionColor, kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    } else {
        painter.setPen(QPen(kSelectionColor, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    if (!current_) return;
    // Grips inside the box, at the corners and the middle of each edge. A box too
    // small for them keeps just its frame: the grips would cover what it shows.
    const int side = kGripSide;
    if (area.width() < 4 * side || area.height() < 4 * side) return;
    painter.setPen(Qt::white);
    painter.setBrush(kSelectionColor);
    const int right = area.width() - side, bottom = area.height() - side;
    const int middleX = right / 2, middleY = bottom / 2;
    for (const QPoint corner : {QPoint(0, 0), QPoint(middleX, 0), QPoint(right, 0), QPoint(0, middleY),
                                QPoint(right, middleY), QPoint(0, bottom), QPoint(middleX, bottom),
                                QPoint(right, bottom)})
        painter.drawRect(QRect(corner, QSize(side - 1, side - 1)));
}
