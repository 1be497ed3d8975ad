#include "symbols/Code39.h"

#include "symbols/DevicePixels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace {

constexpr int kWideFactor = 3;
constexpr int kGapUnits = 3;

// Width flags ("1" wide) of the nine elements, bar, space, bar, … bar, of each character
// of the published Code 39 table; indexes: digits, letters, then -, %, $ and the
// start/stop character *.
constexpr const char* kPatterns[40] = {
    "000110100", "100100001", "001100001", "101100000", "000110001",  // 0-4
    "100110000", "001110000", "000100101", "100100100", "001100100",  // 5-9
    "100001001", "001001001", "101001000", "000011001", "100011000",  // A-E
    "001011000", "000001101", "100001100", "001001100", "000011100",  // F-J
    "100000011", "001000011", "101000010", "000010011", "100010010",  // K-O
    "001010010", "000000111", "100000110", "001000110", "000010110",  // P-T
    "110000001", "011000001", "111000000", "010010001", "110010000",  // U-Y
    "011010000", "010000101", "000101010", "010101000", "010010100",  // Z - % $ *
};

int PatternIndex(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'Z') return 10 + (u - 'A');
    switch (u) {
    case '-': return 36;
    case '%': return 37;
    case '$': return 38;
    case '*': return 39;
    default: return -1;
    }
}

}  // namespace

std::optional<QString> Code39Text(const QString& text) {
    QString framed;
    framed.reserve(text.size() + 2);
    for (QChar c : text) {
        // Only ASCII letters: full case mapping would turn e.g. "ß" into "SS".
        framed.append(c >= u'a' && c <= u'z' ? QChar(c.unicode() - 'a' + 'A') : c);
    }
    if (!framed.startsWith(u'*')) framed.prepend(u'*');
    if (framed.size() < 2 || !framed.endsWith(u'*')) framed.append(u'*');
    for (QChar c : framed)
        if (PatternIndex(c) < 0) return std::nullopt;
    return framed;
}

bool DrawCode39(QPainter& painter, const QString& text, const QRectF& rect, int narrowWidth, bool showText,
                const QFont& font) {
    if (text.isEmpty()) return true;
    const std::optional<QString> framed = Code39Text(text);
    if (!framed) return false;

    DevicePixelScope pixels(painter, rect);
    const QRect& area = pixels.Rect();
    int barHeight = area.height();
    int textTop = 0;
    if (showText) {
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        textTop = area.bottom() + 1 - qCeil(metrics.height());
        barHeight = textTop - area.top();
    }

    int x = area.left();
    for (QChar c : *framed) {
        if (showText) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x, textTop, kCode39CharacterUnits * narrowWidth, area.bottom() + 1 - textTop),
                             Qt::AlignLeft | Qt::AlignTop, QString(c));
        }
        const char* pattern = kPatterns[PatternIndex(c)];
        for (int element = 0; element < 9; ++element) {
            const int width = pattern[element] == '1' ? kWideFactor * narrowWidth : narrowWidth;
            if (element % 2 == 0) pixels.Bar(x, area.top(), width, barHeight);
            x += width;
        }
        x += kGapUnits * narrowWidth;
    }
    return true;
}
