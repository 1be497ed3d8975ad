#pragma once
// Where a box's text may break: ASCII words and numbers stay whole (breaking only
// after ".", "," or ";" inside them); every other character stands alone.
#include <QString>
#include <QStringList>
#include <functional>

// "A".."Z", "a".."z", "0".."9", "-", "_", ".", ",", ";".
bool IsWordChar(QChar c);

// The first unbreakable piece of `line` (empty for an empty line).
QString NextToken(const QString& line);

// Characters as printed: a surrogate pair counts once.
qsizetype CharacterCount(const QString& text);
// The printed characters of a text, one string each.
QStringList Characters(const QString& text);

// Width of a string in the current font, in the caller's units.
using TextMeasure = std::function<double(const QString&)>;

// Width of a text printed one character after another, as the box layout prints
// it: the sum of the characters' own widths, so no kerning pair (AV, To) enters.
double PlacedWidth(const QString& text, const TextMeasure& characterWidth);

// Splits text at line breaks (CR LF, LF or CR) into source lines.
QStringList SplitSourceLines(const QString& text);

// Greedy filling of one source line into output lines no wider than `boxWidth`,
// where a line of n characters is measured as measure(line) + n × letterSpacing.
// A single token wider than the box gets a line of its own. An empty source line
// gives one empty output line.
QStringList BreakSourceLine(const QString& line, double boxWidth, double letterSpacing,
                            const TextMeasure& measure);
