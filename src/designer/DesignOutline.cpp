#include "designer/DesignOutline.h"

#include <QEvent>
#include <QPainter>

void PaintDesignOutline(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setPen(QPen(kDesignOutlineColor, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

BoxOverlay::BoxOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    parent->installEventFilter(this);
    setGeometry(parent->rect());
    raise();
}

DesignOutline::DesignOutline(QWidget* parent) : BoxOverlay(parent) {
    setObjectName(QStringLiteral("DesignOutline"));
}

bool BoxOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    return QWidget::eventFilter(watched, event);
}

void DesignOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDesignOutline(painter, rect());
}
