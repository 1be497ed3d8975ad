#pragma once
// A box font made ready for one device resolution: the QFont, its metrics, and the
// widths and glyphs of the characters met so far. Resolving a font and shaping a
// character cost far more than placing it, and a batch prints the same few fonts on
// every bill, so these are kept per thread (a bounded number of fonts) and shared by
// every surface of that resolution.
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <memory>

class QPaintDevice;
struct BoxFont;

// One printed character as the text engine draws it on its own: its glyphs (one run
// per font it falls back to), positioned from the character's start on the baseline.
struct CharacterGlyphs {
    QList<QGlyphRun> runs;
};

class SurfaceFont {
public:
    // The font of `box` at `sizePt` points on paper for `device` (see TwipFont); the
    // same object for any device of the same resolution while it is cached.
    static std::shared_ptr<SurfaceFont> For(const BoxFont& box, double sizePt,
                                            const QPaintDevice& device);

    SurfaceFont(const QFont& font, const QPaintDevice& device);

    const QFont& Font() const { return font_; }
    const QFontMetricsF& Metrics() const { return metrics_; }
    // The advance of `text` in device units; one character is measured once.
    double Width(const QString& text);
    // The glyphs of one printed character (a surrogate pair counts once) on `device`,
    // which has this font's resolution.
    CharacterGlyphs Glyphs(const QString& character, const QPaintDevice& device);

private:
    QFont font_;
    QFontMetricsF metrics_;
    QHash<char32_t, double> widths_;
    QHash<char32_t, CharacterGlyphs> glyphs_;
};
