#include "exchange/GridFitting.h"

#include <QFontMetrics>
#include <QList>
#include <algorithm>

namespace {

constexpr int kPaddingTwips = 100;
constexpr int kEmptyTwips = 50;
// Texts whose estimate comes this close to the widest are measured exactly.
constexpr double kCloseToWidest = 0.9;
constexpr qsizetype kMostMeasured = 64;

// Widths of single characters, measured once each: summing them estimates a text's
// width within kerning, far faster than laying out every text of a long column.
class CharacterWidths {
public:
    explicit CharacterWidths(const QFontMetrics& metrics) : metrics_(metrics), widths_(0x10000, -1) {}
    int Estimate(const QString& text) {
        int width = 0;
        for (const QChar c : text) {
            int& known = widths_[c.unicode()];
            if (known < 0) known = metrics_.horizontalAdvance(c);
            width += known;
        }
        return width;
    }

private:
    const QFontMetrics& metrics_;
    QList<int> widths_;
};

} // namespace

int FitColumnTwips(const QStringList& texts, const QFont& font, int limitTwips) {
    const QFontMetrics metrics(font);
    CharacterWidths characters(metrics);
    QList<std::pair<int, const QString*>> estimates;
    int widestEstimate = 0;
    for (const QString& text : texts) {
        if (text.isEmpty()) continue;
        const int estimate = characters.Estimate(text);
        widestEstimate = std::max(widestEstimate, estimate);
        estimates.append({estimate, &text});
    }
    std::sort(estimates.begin(), estimates.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = 0;
    for (qsizetype i = 0; i < estimates.size() && i < kMostMeasured; ++i) {
        if (estimates[i].first < widestEstimate * kCloseToWidest) break;
        widest = std::max(widest, metrics.horizontalAdvance(*estimates[i].second));
    }
    const int twips = widest > 0 ? widest * kTwipsPerPixel + kPaddingTwips : kEmptyTwips;
    return std::min(twips, limitTwips);
}
