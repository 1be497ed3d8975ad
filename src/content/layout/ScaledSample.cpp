#include "content/layout/ScaledSample.h"

#include "content/layout/SurfaceFont.h"
#include "content/layout/TwipDevice.h"
#include "content/layout/TwipSurface.h"

#include <QFont>
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
    if (!raw.isValid()) return std::nullopt;
    QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.isEmpty() || glyphs.contains(0)) return std::nullopt;
    ScaledSample sample(std::move(raw), std::move(glyphs));
    if (sample.Width(anchorSizePt) != anchor->Width(text)) return std::nullopt;
    return sample;
}

ScaledSample::ScaledSample(QRawFont font, QList<quint32> glyphs)
    : font_(std::move(font)), glyphs_(std::move(glyphs)) {}

double ScaledSample::Width(double sizePt) const {
    QRawFont sized = font_;
    const QPaintDevice& device = TwipDevice();
    const int dpi = device.logicalDpiY();
    // A size the anchor already has is the anchor itself.
    sized.setPixelSize(DatabasePixelSize(TwipPointSize(sizePt, dpi), dpi));
    double width = 0;
    for (const QPointF& advance : sized.advancesForGlyphIndexes(glyphs_)) width += advance.x();
    return width;
}
