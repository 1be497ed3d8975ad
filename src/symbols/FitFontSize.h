#pragma once
class QPainter;
class QFont;
class QString;

// The point size at which `text` in `font` is at most `width` device pixels wide on the
// painter's device: doubles from 5 (at most ten times) until it is wide enough, then
// steps down by one until it fits. 0 when not even size 1 fits.
int FitFontSize(const QPainter& painter, const QFont& font, const QString& text, double width);

// `pointSize`, lowered until a line of `font` is at most `height` device pixels tall;
// 0 when not even size 1 is.
int LimitFontSizeToHeight(const QPainter& painter, const QFont& font, int pointSize, double height);
