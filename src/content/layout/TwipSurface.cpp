#include "content/layout/TwipSurface.h"

#include "content/layout/BoxFont.h"
#include "content/layout/DrawnGlyphs.h"
#include "content/layout/FontMapping.h"
#include "content/layout/SurfaceFont.h"
#include "content/layout/Twips.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>

double TwipPointSize(double sizePt, double logicalDpiY) {
    return sizePt * kTwipsPerInch / logicalDpiY;
}

QFont TwipFont(const BoxFont& box, double sizePt, double logicalDpiY) {
    // A Windows font name is looked up as the installed family it maps to (FontMapping.h).
    // Named alone it matches no family, and Qt sorts fontconfig's fallbacks for it (the
    // costliest part of loading a font) before taking the substitute. Only the best
    // substitute is named: a second family also makes Qt sort the fallbacks on every font
    // it loads, while a character the face lacks still finds another face when drawn.
    QFont font;
    const QStringList substitutes = ChineseFontSubstitutes(box.name);
    font.setFamily(substitutes.isEmpty() ? box.name : substitutes.first());
    // Qt turns points into logical units with the device's dpi; the painter's logical
    // unit is the twip.
    font.setPointSizeF(TwipPointSize(sizePt, logicalDpiY));
    font.setBold(box.bold);
    font.setItalic(box.italic);
    font.setUnderline(box.underline);
    font.setStrikeOut(box.strikeout);
    // Hinting would snap widths to device pixels and break the twip arithmetic.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

TwipSurface::TwipSurface(QPainter& painter) : painter_(painter) {
    painter_.save();
    const QPaintDevice* device = painter_.device();
    painter_.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

TwipSurface::~TwipSurface() { painter_.restore(); }

void TwipSurface::SetFont(const BoxFont& font, double sizePt) {
    sizePt_ = sizePt;
    font_ = SurfaceFont::For(font, sizePt, *painter_.device());
    painter_.setFont(font_->Font());
    painter_.setPen(font.color);
}

const QFont& TwipSurface::Font() const {
    static const QFont kNone;
    return font_ ? font_->Font() : kNone;
}

double TwipSurface::TextWidth(const QString& text) const { return font_ ? font_->Width(text) : 0; }

double TwipSurface::TextHeight() const { return font_ ? font_->Metrics().height() : 0; }

void TwipSurface::Print(double x, double y, const QString& text) {
    const double ascent = font_ ? font_->Metrics().ascent() : 0;
    if (font_) NoteGlyphs(text);
    painter_.drawText(QPointF(x, y + ascent), text);
}

void TwipSurface::NoteGlyphs(const QString& text) {
    const QPaintEngine* engine = painter_.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Pdf) return;
    for (char32_t character : text.toUcs4())
        NoteGlyphs(font_->Glyphs(QString::fromUcs4(&character, 1), *painter_.device()), character);
}

void TwipSurface::NoteGlyphs(const CharacterGlyphs& glyphs, char32_t character) {
    bool first = true;
    for (const QGlyphRun& piece : glyphs.runs)
        for (quint32 glyph : piece.glyphIndexes()) {
            NoteDrawnGlyph(painter_.device(), piece.rawFont(), glyph, first ? character : 0);
            first = false;
        }
}

namespace {

// The glyphs of one font on a line, in drawing order.
struct LineRun {
    QRawFont font;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

} // namespace

void TwipSurface::PrintCharacters(const QStringList& characters, const QList<double>& xs, double y) {
    if (!font_) return;
    const QPaintEngine* engine = painter_.paintEngine();
    // Elsewhere (pictures, recording devices) and where underlines would join across the
    // letter spacing, each character is drawn alone as before.
    const QFont& font = font_->Font();
    if (!engine || engine->type() != QPaintEngine::Pdf || font.underline() || font.strikeOut()) {
        for (qsizetype i = 0; i < characters.size() && i < xs.size(); ++i) Print(xs[i], y, characters[i]);
        return;
    }
    const QPointF baseline(0, y + font_->Metrics().ascent());
    QList<LineRun> runs;
    for (qsizetype i = 0; i < characters.size() && i < xs.size(); ++i) {
        const CharacterGlyphs glyphs = font_->Glyphs(characters[i], *painter_.device());
        NoteGlyphs(glyphs, characters[i].isEmpty() ? 0 : characters[i].toUcs4().value(0));
        for (const QGlyphRun& piece : glyphs.runs) {
            if (runs.isEmpty() || runs.last().font != piece.rawFont()) {
                runs.append({piece.rawFont(), {}, {}});
                runs.last().glyphs.reserve(characters.size());
                runs.last().positions.reserve(characters.size());
            }
            LineRun& line = runs.last();
            line.glyphs << piece.glyphIndexes();
            // Read-only: walking the run's own list would copy it first.
            const QList<QPointF> positions = piece.positions();
            for (const QPointF& position : positions) line.positions << position + baseline + QPointF(xs[i], 0);
        }
    }
    for (const LineRun& line : std::as_const(runs)) {
        QGlyphRun run;
        run.setRawFont(line.font);
        run.setGlyphIndexes(line.glyphs);
        run.setPositions(line.positions);
        painter_.drawGlyphRun(QPointF(), run);
    }
}

double TwipSurface::DeviceWidth() const {
    const QPaintDevice* device = painter_.device();
    return device->width() * kTwipsPerInch / device->logicalDpiX();
}

double TwipSurface::DeviceHeight() const {
    const QPaintDevice* device = painter_.device();
    return device->height() * kTwipsPerInch / device->logicalDpiY();
}
