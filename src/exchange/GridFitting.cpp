#include "exchange/GridFitting.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
constexpr int kPaddingTwips = 100;
constexpr int kEmptyTwips = 50;
} // namespace

int FitColumnTwips(const QStringList& texts, const QFont& font, int limitTwips) {
    const QFontMetrics metrics(font);
    // Longest texts first; once a text could not be wider than the widest so far
    // even in the font's widest characters, none after it can.
    QList<const QString*> byLength;
    byLength.reserve(texts.size());
    for (const QString& text : texts)
        if (!text.isEmpty()) byLength << &text;
    std::sort(byLength.begin(), byLength.end(),
              [](const QString* a, const QString* b) { return a->size() > b->size(); });
    const int widestCharacter = qMax(1, metrics.maxWidth());
    int widest = 0;
    for (const QString* text : byLength) {
        if (text->size() * qint64(widestCharacter) <= widest) break;
        widest = qMax(widest, metrics.horizontalAdvance(*text));
    }
    const int twips = widest > 0 ? widest * kTwipsPerPixel + kPaddingTwips : kEmptyTwips;
    return qMin(twips, limitTwips);
}
