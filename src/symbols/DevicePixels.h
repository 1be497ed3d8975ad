#pragma once
// Bars are drawn in whole device pixels so that every narrow element has the same width
// on screen and paper; this lifts the painter's scaling for the scope of one symbol.
#include <QPainter>
#include <QRect>
#include <QRectF>

class DevicePixelScope {
public:
    // `rect` is in the painter's current units.
    DevicePixelScope(QPainter& painter, const QRectF& rect)
        : painter_(painter), rect_(painter.combinedTransform().mapRect(rect).toAlignedRect()) {
        painter_.save();
        painter_.resetTransform();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(Qt::black);
        painter_.setClipRect(rect_, Qt::IntersectClip);  // never outside the box
    }
    ~DevicePixelScope() { painter_.restore(); }
    DevicePixelScope(const DevicePixelScope&) = delete;
    DevicePixelScope& operator=(const DevicePixelScope&) = delete;

    // The symbol's rectangle in device pixels.
    const QRect& Rect() const { return rect_; }
    void Bar(int x, int y, int width, int height) { painter_.fillRect(QRect(x, y, width, height), Qt::black); }

private:
    QPainter& painter_;
    QRect rect_;
};
