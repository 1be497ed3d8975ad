#include "content/layout/TextTokens.h"

#include <QRegularExpression>

namespace {
bool EndsToken(QChar c) { return c == u'.' || c == u',' || c == u';'; }
} // namespace

bool IsWordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') ||
           u == u'-' || u == u'_' || EndsToken(c);
}

QString NextToken(const QString& line) {
    if (line.isEmpty()) return {};
    const QChar first = line.at(0);
    if (!IsWordChar(first) || EndsToken(first)) {
        // A surrogate pair is one character on paper; never split it.
        const qsizetype size = first.isHighSurrogate() && line.size() > 1 ? 2 : 1;
        return line.left(size);
    }
    qsizetype end = 1;
    while (end < line.size()) {
        const QChar c = line.at(end);
        if (!IsWordChar(c)) break;
        ++end;
        if (EndsToken(c)) break;
    }
    return line.left(end);
}

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
    static const QRegularExpression kBreak(QStringLiteral("\r\n|\n|\r"));
    return text.split(kBreak);
}

QStringList BreakSourceLine(const QString& line, double boxWidth, double letterSpacing,
                            const TextMeasure& measure) {
    if (line.isEmpty()) return {QString()};
    const auto widthOf = [&](const QString& s) { return measure(s) + CharacterCount(s) * letterSpacing; };
    QStringList lines;
    QString rest = line;
    while (!rest.isEmpty()) {
        QString current = NextToken(rest);
        rest.remove(0, current.size());
        double width = widthOf(current);
        while (!rest.isEmpty() && width < boxWidth) {
            const QString token = NextToken(rest);
            const QString candidate = current + token;
            const double candidateWidth = widthOf(candidate);
            if (candidateWidth > boxWidth) break;
            current = candidate;
            width = candidateWidth;
            rest.remove(0, token.size());
        }
        lines << current;
    }
    return lines;
}
