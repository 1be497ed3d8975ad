#pragma once
// The font of a box as its record gives it, before it is sized for a surface.
#include <QColor>
#include <QString>

struct BoxRecord;

struct BoxFont {
    QString name;
    double designSize = 9;   // points, as shown on the canvas at fit width
    bool bold = false, italic = false, underline = false, strikeout = false;
    QColor color = Qt::black;
};

// The record's font; a record without a size (check boxes keep their own) gets 9 pt.
BoxFont BoxFontOf(const BoxRecord& record);
// `Color`: 24-bit RGB with red in the low byte.
QColor RecordColor(qint64 color);
