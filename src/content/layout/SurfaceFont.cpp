#include "content/layout/SurfaceFont.h"

#include "content/layout/BoxFont.h"
#include "content/layout/TwipSurface.h"

#include <QPaintDevice>
#include <QTextLayout>
#include <optional>

namespace {

// Enough for every font of a few formats, with automatic sizes; the cache starts
// again when it is full.
constexpr qsizetype kMaxFonts = 256;

struct FontKey {
    QString name;
    bool bold, italic, underline, strikeout;
    double sizePt;
    int dpi;
    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.name, key.bold, key.italic, key.underline, key.strikeout,
                      key.sizePt, key.dpi);
}

// The code point of a text that is one printed character.
std::optional<char32_t> SingleCharacter(const QString& text) {
    if (text.size() == 1) return text.at(0).unicode();
    if (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(text.at(0), text.at(1));
    return std::nullopt;
}

} // namespace

std::shared_ptr<SurfaceFont> SurfaceFont::For(const BoxFont& box, double sizePt,
                                              const QPaintDevice& device) {
    thread_local QHash<FontKey, std::shared_ptr<SurfaceFont>> cache;
    const int dpi = device.logicalDpiY();
    const FontKey key{box.name, box.bold, box.italic, box.underline, box.strikeout, sizePt, dpi};
    if (const auto found = cache.constFind(key); found != cache.cend()) return *found;
    if (cache.size() >= kMaxFonts) cache.clear();
    auto font = std::make_shared<SurfaceFont>(TwipFont(box, sizePt, dpi), device);
    cache.insert(key, font);
    return font;
}

SurfaceFont::SurfaceFont(const QFont& font, const QPaintDevice& device)
    : font_(font), metrics_(font, &device) {}

double SurfaceFont::Width(const QString& text) {
    const std::optional<char32_t> character = SingleCharacter(text);
    if (!character) return metrics_.horizontalAdvance(text);
    if (const auto found = widths_.constFind(*character); found != widths_.cend()) return *found;
    const double width = metrics_.horizontalAdvance(text);
    widths_.insert(*character, width);
    return width;
}

CharacterGlyphs SurfaceFont::Glyphs(const QString& character, const QPaintDevice& device) {
    const std::optional<char32_t> key = SingleCharacter(character);
    if (key)
        if (const auto found = glyphs_.constFind(*key); found != glyphs_.cend()) return *found;
    // Shaped alone, as drawing the character alone would shape it.
    QTextLayout layout(character, font_, &device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    CharacterGlyphs glyphs;
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) position -= QPointF(line.x(), line.ascent());
        run.setPositions(positions);
        glyphs.runs << run;
    }
    if (key) glyphs_.insert(*key, glyphs);
    return glyphs;
}
