#include "content/layout/ScaledSample.h"

#include "content/layout/SurfaceFont.h"
#include "content/layout/TwipDevice.h"
#include "content/layout/TwipSurface.h"

#include <QFont>
#include <QFontDatabase>
#include <QPaintDevice>
#include <cmath>

namespace {

// The pixel size the font database gives a font of `pointSize` points at `dpi`: the
// size in pixels to hundredths, rounded to a whole pixel.
double DatabasePixelSize(double pointSize, int dpi) {
    return qRound(std::floor(pointSize * dpi / 72 * 100 + 0.5) / 100);
}

} // namespace

std::optional<ScaledSample> ScaledSample::For(const BoxFont& font, const QString& text,
                                              double anchorSizePt) {
    const std::shared_ptr<SurfaceFont> anchor = SurfaceFont::For(font, anchorSizePt, TwipDevice());
    // The font as the twip device resolves it: the engine its metrics measure with.
    QRawFont raw = QRawFont::fromFont(QFont(anchor->Font(), &TwipDevice()));
    // A bitmap font has sizes of its own, not scaled outlines: the database picks the
    // nearest for each size.
    if (!raw.isValid() || !QFontDatabase::isSmoothlyScalable(raw.familyName(), raw.styleName()))
        return std::nullopt;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.isEmpty() || glyphs.contains(0)) return std::nullopt;
    // Each glyph is scaled once, however often it occurs.
    QList<quint32> distinct;
    QList<int> counts;
    for (const quint32 glyph : glyphs) {
        const qsizetype at = distinct.indexOf(glyph);
        if (at >= 0) {
            ++counts[at];
        } else {
            distinct << glyph;
            counts << 1;
        }
    }
    ScaledSample sample(std::move(raw), std::move(distinct), std::move(counts));
    // Also proves the pixel size arithmetic (DatabasePixelSize) at the anchor.
    if (sample.Width(anchorSizePt) != anchor->Width(text)) return std::nullopt;
    return sample;
}

ScaledSample::ScaledSample(QRawFont font, QList<quint32> glyphs, QList<int> counts)
    : font_(std::move(font)), glyphs_(std::move(glyphs)), counts_(std::move(counts)) {}

double ScaledSample::Width(double sizePt) const {
    // The search asks for some sizes twice (the design size is often its reference).
    if (const auto known = widths_.constFind(sizePt); known != widths_.cend()) return *known;
    QRawFont sized = font_;
    const QPaintDevice& device = TwipDevice();
    const int dpi = device.logicalDpiY();
    // A size the anchor already has is the anchor itself.
    sized.setPixelSize(DatabasePixelSize(TwipPointSize(sizePt, dpi), dpi));
    // Advances are whole 1/64 twips, so the sum is exact in any order.
    const QList<QPointF> advances = sized.advancesForGlyphIndexes(glyphs_);
    double width = 0;
    for (qsizetype i = 0; i < advances.size(); ++i) width += counts_[i] * advances[i].x();
    widths_.insert(sizePt, width);
    return width;
}
