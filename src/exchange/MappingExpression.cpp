#include "exchange/MappingExpression.h"

#include "exchange/ColumnLetters.h"

#include <QStringList>

namespace {

constexpr QChar kQuote = u'"';

QStringList SplitTerms(const QString& expression) {
    QStringList terms;
    QString term;
    bool quoted = false;
    for (const QChar c : expression) {
        if (c == kQuote) quoted = !quoted;
        if (c == u',' && !quoted) {
            terms << term;
            term.clear();
        } else {
            term += c;
        }
    }
    terms << term;
    return terms;
}

// The number a text starts with, as far as it reads as one: " 2" is 2, "1x" is 1.
int LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == u'-' || trimmed[end] == u'+')) ++end;
    while (end < trimmed.size() && trimmed[end].isDigit() && trimmed[end].unicode() < 128) ++end;
    return trimmed.left(end).toInt();
}

MappingTerm ParseTerm(QString term) {
    term.remove(u'\r').remove(u'\n');
    term = term.trimmed();
    MappingTerm parsed;
    if (term.size() >= 2 && term.startsWith(kQuote) && term.endsWith(kQuote)) {
        parsed.literal = true;
        parsed.text = term.mid(1, term.size() - 2);
        return parsed;
    }
    // Letters and digits typed in full width mean the plain ones.
    term = term.normalized(QString::NormalizationForm_KC);
    const qsizetype plus = term.indexOf(u'+');
    parsed.column = ColumnNumber(plus < 0 ? term : term.left(plus));
    if (plus >= 0) parsed.offset = LeadingNumber(term.mid(term.lastIndexOf(u'+') + 1));
    return parsed;
}

} // namespace

QString NormaliseExpression(const QString& expression) {
    QString text = expression;
    text.replace(u'“', kQuote).replace(u'”', kQuote).replace(u'，', u',');
    text = text.trimmed();
    if (text.startsWith(u',')) text.remove(0, 1);
    if (text.endsWith(u',')) text.chop(1);
    return text;
}

QList<MappingTerm> ParseMappingExpression(const QString& expression) {
    QList<MappingTerm> terms;
    for (const QString& term : SplitTerms(NormaliseExpression(expression))) terms << ParseTerm(term);
    return terms;
}
