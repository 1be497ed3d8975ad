#pragma once
// The width of one text at many sizes of a box font, measured on a single font
// engine scaled to each size. Looking a font up for a new size asks the system's font
// configuration again and prepares its shaping anew, far more work than scaling
// outlines that are loaded already; the widths are the same wherever the text engine
// places the glyphs at their own advances, which For checks.
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>
#include <optional>

struct BoxFont;

class ScaledSample {
public:
    // Null where scaled widths could differ from the text engine's: a bitmap font, a
    // character the font lacks (drawn from a fallback font) or shaping that moves
    // glyphs (kerning), the last two seen as a different width at `anchorSizePt`. The
    // anchor's font is the one a box of that size draws with, so it is looked up once
    // either way.
    static std::optional<ScaledSample> For(const BoxFont& font, const QString& text,
                                           double anchorSizePt);

    // Twips of the text at `sizePt` points on paper.
    double Width(double sizePt) const;

private:
    ScaledSample(QRawFont font, QList<quint32> glyphs, QList<int> counts);

    QRawFont font_;
    QList<quint32> glyphs_; // each once
    QList<int> counts_;     // how often each occurs in the text
    mutable QHash<double, double> widths_; // by size, as measured
};
