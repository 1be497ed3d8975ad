#include "designer/CheckIndicator.h"

#include <QPainter>
#include <QPolygonF>

CheckIndicator::CheckIndicator(QWidget* parent) : QCheckBox(parent) {
    // The box decides the size at every zoom; the style's size hint must not.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void CheckIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::Text);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(ink);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!isChecked()) return;
    const double side = qMin(width(), height());
    const QRectF inner = QRectF(rect()).adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, qMax(1.0, side / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{{inner.left(), inner.center().y()},
                                   {inner.left() + inner.width() * 0.4, inner.bottom()},
                                   {inner.right(), inner.top()}});
}

// The whole box takes the click, not only where the style would put its indicator.
bool CheckIndicator::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
