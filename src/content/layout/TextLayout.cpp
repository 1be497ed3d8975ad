#include "content/layout/TextLayout.h"

#include "content/Amounts.h"
#include "content/ConversionSettings.h"
#include "content/DataTypes.h"
#include "content/layout/TextTokens.h"
#include "content/layout/TwipSurface.h"

#include <cmath>

namespace {

// Positions on the printer are whole twips.
double WholeTwip(double value) { return std::nearbyint(value); }

// One CJK character's height sets the line pitch, whatever the line holds.
const QString kLinePitchSample = QStringLiteral("国");

} // namespace

void DrawSpacedText(TwipSurface& surface, const QString& text, double x, double y,
                    double letterSpacing) {
    const QStringList characters = Characters(text);
    QList<double> xs;
    xs.reserve(characters.size());
    for (const QString& character : characters) {
        xs << x;
        x += surface.TextWidth(character) + letterSpacing;
    }
    surface.PrintCharacters(characters, xs, y);
}

void LayoutBoxText(TwipSurface& surface, const QString& text, double left, double top,
                   double boxWidth, double letterSpacing, double lineSpacing, int alignment) {
    if (text.isEmpty()) return;
    // Measured as DrawSpacedText places it, so alignment holds for kerned pairs too.
    const TextMeasure characterWidth = [&](const QString& c) { return surface.TextWidth(c); };
    const TextMeasure measure = [&](const QString& s) { return PlacedWidth(s, characterWidth); };
    QStringList lines;
    for (const QString& source : SplitSourceLines(text))
        lines << BreakSourceLine(source, boxWidth, letterSpacing, measure);

    const double pitch = surface.TextHeight() + lineSpacing + 1;
    double y = WholeTwip(top);
    for (const QString& line : lines) {
        const double width = measure(line) + CharacterCount(line) * letterSpacing;
        double x = left;
        if (alignment == 1) x = left + boxWidth - width - 1;
        else if (alignment == 2) x = left + (boxWidth - width - 1) / 2;
        DrawSpacedText(surface, line, WholeTwip(x), y, letterSpacing);
        y = WholeTwip(y + pitch);
    }
}

void DrawCells(TwipSurface& surface, const QString& text, double x, double y, double boxWidth,
               int cells, int alignment) {
    if (cells <= 0) return;
    QStringList characters = Characters(text);
    const qsizetype count = characters.size();
    const double cellWidth = boxWidth / cells;
    if (alignment >= 1 && count < cells) {
        const qsizetype pad = alignment == 1 ? cells - count : (cells - count) / 2;
        for (qsizetype i = 0; i < pad; ++i) characters.prepend(QStringLiteral(" "));
    } else if (alignment >= 1 && count > cells) {
        const qsizetype excess = alignment == 1 ? count - cells : (count - cells) / 2;
        x -= excess * cellWidth;
    }
    QList<double> xs;
    xs.reserve(characters.size());
    for (qsizetype i = 0; i < characters.size(); ++i)
        xs << x + i * cellWidth + (cellWidth - surface.TextWidth(characters.at(i))) / 2;
    surface.PrintCharacters(characters, xs, y);
}

void DrawAmountCells(TwipSurface& surface, const QString& text, double x, double y,
                     double boxWidth, double dataType, int alignment,
                     const ConversionSettings& settings) {
    const int cells = DigitCellCount(dataType);
    if (text.isEmpty() || cells <= 0) return;
    QString digits = FormatAmount(text, settings);
    digits.remove(u'.');
    digits.remove(u',');
    if (digits.size() > cells) digits = digits.right(cells);
    digits = digits.rightJustified(cells, u' ');
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (row && !row->currencySymbol && !settings.currency.isEmpty())
        digits.replace(settings.currency, QString(settings.currency.size(), u' '));
    DrawCells(surface, digits, x, y, boxWidth, cells, alignment);
}
