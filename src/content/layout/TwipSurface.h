#pragma once
// A drawing surface addressed in twips from the device's top-left corner, with the
// operations the box layout needs: a current font, text width and height, and
// printing a string whose top-left corner is at a point. Font sizes are points on
// paper whatever the device's resolution, so text measures the same on a printer,
// a PDF file and a picture.
#include <QFont>
#include <QList>
#include <QStringList>
#include <memory>

class QPainter;
class SurfaceFont;
struct CharacterGlyphs;
struct BoxFont;

class TwipSurface {
public:
    // Scales the painter (on top of its current transform) to twips.
    explicit TwipSurface(QPainter& painter);
    ~TwipSurface();
    TwipSurface(const TwipSurface&) = delete;
    TwipSurface& operator=(const TwipSurface&) = delete;

    QPainter& Painter() { return painter_; }

    void SetFont(const BoxFont& font, double sizePt);
    double FontSize() const { return sizePt_; }
    const QFont& Font() const;

    double TextWidth(const QString& text) const;
    // The height of one line of the current font.
    double TextHeight() const;
    // Draws text with its top-left corner at (x, y), in the current font and colour.
    void Print(double x, double y, const QString& text);
    // Draws printed characters (see Characters) on one line, the i-th with its top-left
    // corner at (xs[i], y): the same as printing each alone, but on a PDF device the
    // glyphs shaped once per font go out as one glyph run per line.
    void PrintCharacters(const QStringList& characters, const QList<double>& xs, double y);

    // The printable extent of the device in twips.
    double DeviceWidth() const;
    double DeviceHeight() const;

private:
    // Keeps which characters the glyphs drawn on a PDF device stand for (DrawnGlyphs.h).
    void NoteGlyphs(const QString& text);
    void NoteGlyphs(const CharacterGlyphs& glyphs, char32_t character);

    QPainter& painter_;
    std::shared_ptr<SurfaceFont> font_;
    double sizePt_ = 0;
};

// The point size Qt is asked for so that `sizePt` points on paper come out as
// sizePt × 20 logical units (twips) on a device of `logicalDpiY`.
double TwipPointSize(double sizePt, double logicalDpiY);

// A QFont of `sizePt` points on paper for a device of `logicalDpiY` whose painter
// works in twips. Exposed for measuring without painting.
QFont TwipFont(const BoxFont& font, double sizePt, double logicalDpiY);
