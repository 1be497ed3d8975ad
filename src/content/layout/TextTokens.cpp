#include "content/layout/TextTokens.h"

namespace {
bool EndsToken(QChar c) { return c == u'.' || c == u',' || c == u';'; }
} // namespace

bool IsWordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') ||
           u == u'-' || u == u'_' || EndsToken(c);
}

namespace {
// The length of the unbreakable piece of `line` that starts at `from`.
qsizetype TokenLength(const QString& line, qsizetype from) {
    if (from >= line.size()) return 0;
    const QChar first = line.at(from);
    if (!IsWordChar(first) || EndsToken(first)) {
        // A surrogate pair is one character on paper; never split it.
        return first.isHighSurrogate() && from + 1 < line.size() ? 2 : 1;
    }
    qsizetype end = from + 1;
    while (end < line.size()) {
        const QChar c = line.at(end);
        if (!IsWordChar(c)) break;
        ++end;
        if (EndsToken(c)) break;
    }
    return end - from;
}
} // namespace

QString NextToken(const QString& line) { return line.left(TokenLength(line, 0)); }

qsizetype CharacterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++count;
    return count;
}

QStringList Characters(const QString& text) {
    QStringList result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                          text.at(i + 1).isLowSurrogate();
        result << text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
    }
    return result;
}

double PlacedWidth(const QString& text, const TextMeasure& characterWidth) {
    double width = 0;
    for (const QString& character : Characters(text)) width += characterWidth(character);
    return width;
}

QStringList SplitSourceLines(const QString& text) {
    // Each box's text is split on every print: by hand, as a pattern would first be
    // compiled in every process that prints.
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

QStringList BreakSourceLine(const QString& line, double boxWidth, double letterSpacing,
                            const TextMeasure& measure) {
    if (line.isEmpty()) return {QString()};
    const auto widthOf = [&](QStringView s) {
        const QString text = s.toString();
        return measure(text) + CharacterCount(text) * letterSpacing;
    };
    // The greedy rule: a line takes tokens while it is narrower than the box and the
    // next token still fits. Measuring every candidate line from its start would be
    // quadratic in the line's length, so the break is first estimated from the
    // tokens' own widths, then settled by measuring whole lines around it (kerning
    // makes a line's width differ slightly from the sum of its pieces).
    QStringList lines;
    qsizetype start = 0;
    QList<qsizetype> ends; // token ends of the current line, from its start
    while (start < line.size()) {
        ends = {start + TokenLength(line, start)};
        double estimate = widthOf(QStringView(line).mid(start, ends.last() - start));
        while (ends.last() < line.size() && estimate < boxWidth) {
            const qsizetype next = ends.last() + TokenLength(line, ends.last());
            const double token = widthOf(QStringView(line).mid(ends.last(), next - ends.last()));
            if (estimate + token > boxWidth) break;
            estimate += token;
            ends.append(next);
        }
        const auto lineWidth = [&](qsizetype count) {
            return widthOf(QStringView(line).mid(start, ends[count - 1] - start));
        };
        qsizetype count = ends.size();
        double width = lineWidth(count);
        while (count > 1 && width > boxWidth) width = lineWidth(--count);
        ends.resize(count);
        while (width < boxWidth && ends.last() < line.size()) {
            ends.append(ends.last() + TokenLength(line, ends.last()));
            const double candidate = lineWidth(ends.size());
            if (candidate > boxWidth) {
                ends.removeLast();
                break;
            }
            width = candidate;
        }
        lines << line.mid(start, ends.last() - start);
        start = ends.last();
    }
    return lines;
}
