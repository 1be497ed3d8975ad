#include "designer/PageCanvas.h"

#include "designer/CanvasScale.h"
#include "designer/RulerGrid.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
const QColor kMajorRuler(255, 114, 0);
const QColor kMinorRuler(255, 192, 141);
constexpr int kNumberPixels = 15;
} // namespace

PageCanvas::PageCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PG"));
    // Explicit roles: inherited from the grey viewport, captions would turn white.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::WindowText);
    // Lines have no widget input of their own: the canvas finds them under the pointer.
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void PageCanvas::SetPage(double widthMm, double heightMm, double canvasWidthTwips) {
    pageWidth_ = widthMm;
    pageHeight_ = heightMm;
    canvasWidth_ = canvasWidthTwips;
    const double tpp = TwipsPerPixel();
    resize(int(std::lround(CanvasWidth() / tpp)), int(std::lround(CanvasHeight() / tpp)));
    update();
}

double PageCanvas::CanvasHeight() const {
    return canvasWidth_ * pageHeight_ / pageWidth_;
}

CanvasScale PageCanvas::Scale() const {
    return CanvasScale(canvasWidth_, pageWidth_);
}

double PageCanvas::TwipsPerPixel() const {
    return ::TwipsPerPixel(logicalDpiX());
}

void PageCanvas::SetBackground(const QImage& picture) {
    background_ = picture;
    scaledBackground_ = QPixmap();
    update();
}

void PageCanvas::SetShowBackground(bool show) {
    showBackground_ = show;
    update();
}

void PageCanvas::SetShowRulers(bool show) {
    showRulers_ = show;
    update();
}

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // Stretched over the whole page: the page proportions rule, not the picture's.
    if (PaintsBackground()) painter.drawPixmap(0, 0, ScaledBackground());
    if (showRulers_) PaintRulers(painter);
}

// A scan of 200 dpi or more is shrunk several times over on screen; without smoothing
// its lines and print break up into jagged dots. Smooth scaling averages whole areas,
// which a smoothly transformed drawImage does not do when shrinking this far.
const QPixmap& PageCanvas::ScaledBackground() {
    const double ratio = devicePixelRatioF();
    const QSize target = size() * ratio;
    if (scaledBackground_.size() != target) {
        scaledBackground_ = QPixmap::fromImage(
            background_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaledBackground_.setDevicePixelRatio(ratio);
    }
    return scaledBackground_;
}

void PageCanvas::PaintRulers(QPainter& painter) const {
    const double tpp = TwipsPerPixel();
    const double k = Scale().K() / tpp; // pixels per millimetre
    const double width = CanvasWidth() / tpp, height = CanvasHeight() / tpp;
    const RulerGrid grid = BuildRulerGrid(pageWidth_, CanvasHeight() / canvasWidth_ * pageWidth_);
    for (const RulerLine& line : grid.verticals) {
        painter.setPen(line.major ? kMajorRuler : kMinorRuler);
        painter.drawLine(QPointF(line.mm * k, 0), QPointF(line.mm * k, height));
    }
    for (const RulerLine& line : grid.horizontals) {
        painter.setPen(line.major ? kMajorRuler : kMinorRuler);
        painter.drawLine(QPointF(0, line.mm * k), QPointF(width, line.mm * k));
    }
    QFont font = painter.font();
    font.setPixelSize(kNumberPixels);
    painter.setFont(font);
    painter.setPen(kMajorRuler);
    const QFontMetrics metrics(font);
    for (const RulerNumber& number : grid.numbers) {
        const double at = number.mm * k;
        const double textWidth = metrics.horizontalAdvance(number.text);
        if (number.vertical) {
            painter.drawText(QPointF(at, metrics.ascent()), number.text);
            painter.drawText(QPointF(at, height - metrics.descent()), number.text);
        } else {
            painter.drawText(QPointF(0, at + metrics.ascent()), number.text);
            painter.drawText(QPointF(width - textWidth - 1, at + metrics.ascent()), number.text);
        }
    }
}

QPoint PageCanvas::ToTwips(const QPointF& pixels) const {
    const double tpp = TwipsPerPixel();
    return QPoint(int(std::lround(pixels.x() * tpp)), int(std::lround(pixels.y() * tpp)));
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT Pressed(ToTwips(event->position()), event->modifiers());
    QWidget::mousePressEvent(event);
}

void PageCanvas::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT Moved(ToTwips(event->position()), event->buttons(), event->modifiers());
    QWidget::mouseMoveEvent(event);
}

void PageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT Released(ToTwips(event->position()), event->modifiers());
    QWidget::mouseReleaseEvent(event);
}

void PageCanvas::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT MenuRequested(ToTwips(event->pos()), event->globalPos());
}
