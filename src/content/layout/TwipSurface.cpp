#include "content/layout/TwipSurface.h"

#include "content/layout/BoxFont.h"
#include "content/layout/Twips.h"

#include <QPaintDevice>
#include <QPainter>

QFont TwipFont(const BoxFont& box, double sizePt, double logicalDpiY) {
    QFont font(box.name);
    // Qt turns points into logical units with the device's dpi; the painter's logical
    // unit is the twip, so ask for the point size that comes out as sizePt × 20 units.
    font.setPointSizeF(sizePt * kTwipsPerInch / logicalDpiY);
    font.setBold(box.bold);
    font.setItalic(box.italic);
    font.setUnderline(box.underline);
    font.setStrikeOut(box.strikeout);
    // Hinting would snap widths to device pixels and break the twip arithmetic.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TwipSurface::TwipSurface(QPainter& painter)
    : painter_(painter), metrics_(QFont()), dpiY_(painter.device()->logicalDpiY()) {
    painter_.save();
    const QPaintDevice* device = painter_.device();
    painter_.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

TwipSurface::~TwipSurface() { painter_.restore(); }

void TwipSurface::SetFont(const BoxFont& font, double sizePt) {
    sizePt_ = sizePt;
    font_ = TwipFont(font, sizePt, dpiY_);
    metrics_ = QFontMetricsF(font_, painter_.device());
    painter_.setFont(font_);
    painter_.setPen(font.color);
}

void TwipSurface::Print(double x, double y, const QString& text) {
    painter_.drawText(QPointF(x, y + metrics_.ascent()), text);
}

double TwipSurface::DeviceWidth() const {
    const QPaintDevice* device = painter_.device();
    return device->width() * kTwipsPerInch / device->logicalDpiX();
}

double TwipSurface::DeviceHeight() const {
    const QPaintDevice* device = painter_.device();
    return device->height() * kTwipsPerInch / device->logicalDpiY();
}
