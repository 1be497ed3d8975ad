#pragma once
class QPainter;
class QFont;
class QString;

// The largest point size, up to 5120, at which `text` in `font` is at most `width`
// device pixels wide on the painter's device; 0 when not even size 1 fits.
int FitFontSize(const QPainter& painter, const QFont& font, const QString& text, double width);

// `pointSize`, lowered until a line of `font` is at most `height` device pixels tall;
// 0 when not even size 1 is.
int LimitFontSizeToHeight(const QPainter& painter, const QFont& font, int pointSize, double height);
