#include "aids/CustomDates.h"

#include <QList>

namespace {

const QString kPlainPattern = QStringLiteral("YYYY-MM-DD HH:MM:SS");

bool IsAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

struct Token {
    QChar letter; // upper case; null for copied text
    int length = 0;
    QString text;
};

QList<Token> Tokenize(const QString& pattern) {
    QList<Token> tokens;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (!IsAsciiLetter(c)) {
            tokens.append({QChar(), 0, QString(c)});
            ++i;
            continue;
        }
        const QChar letter = c.toUpper();
        qsizetype end = i;
        while (end < pattern.size() && pattern[end].toUpper() == letter) ++end;
        tokens.append({letter, int(end - i), {}});
        i = end;
    }
    return tokens;
}

QString Padded(int value, int length) {
    return length == 2 ? QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')) : QString::number(value);
}

// The neighbouring field of token i in direction step, skipping copied text.
QChar FieldBeside(const QList<Token>& tokens, qsizetype i, int step) {
    for (qsizetype j = i + step; j >= 0 && j < tokens.size(); j += step)
        if (!tokens[j].letter.isNull()) return tokens[j].letter;
    return {};
}

} // namespace

std::optional<QString> FormatCustomDate(const QString& pattern, const QDateTime& moment) {
    const QString used = pattern.isEmpty() ? kPlainPattern : pattern;
    const QList<Token> tokens = Tokenize(used);
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString result;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.letter.isNull()) {
            result += t.text;
            continue;
        }
        const char letter = char(t.letter.unicode());
        if (letter == 'Y') {
            if (t.length == 4) result += QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
            else if (t.length == 2) result += Padded(date.year() % 100, 2);
            else return std::nullopt;
            continue;
        }
        if (t.length > 2) return std::nullopt;
        const bool minute = letter == 'N' || (letter == 'M' && (FieldBeside(tokens, i, -1) == u'H' ||
                                                                FieldBeside(tokens, i, 1) == u'S'));
        switch (minute ? 'N' : letter) {
        case 'M': result += Padded(date.month(), t.length); break;
        case 'D': result += Padded(date.day(), t.length); break;
        case 'H': result += Padded(time.hour(), t.length); break;
        case 'N': result += Padded(time.minute(), t.length); break;
        case 'S': result += Padded(time.second(), t.length); break;
        default: return std::nullopt;
        }
    }
    if (used.contains(u'/')) result.replace(u'-', u'/');
    else if (used.contains(u'\\')) result.replace(u'-', u'\\');
    return result;
}
