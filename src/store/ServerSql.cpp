#include "store/ServerSql.h"

namespace {

QChar Folded(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + ('a' - 'A')) : c;
}

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The keyword LIKE at `at`, standing as a word of its own.
bool IsLikeAt(const QString& sql, qsizetype at) {
    return sql.mid(at, 4).compare(QLatin1String("LIKE"), Qt::CaseInsensitive) == 0
           && (at == 0 || !IsWordCharacter(sql[at - 1]))
           && (at + 4 >= sql.size() || !IsWordCharacter(sql[at + 4]));
}

} // namespace

QString ServerName(const QString& name) {
    QString folded = name;
    for (QChar& c : folded) c = Folded(c);
    return folded;
}

QString ServerSql(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    int placeholder = 0;
    enum class In { Sql, Text, Name } in = In::Sql;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        QChar c = sql[i];
        switch (in) {
        case In::Sql:
            if (c == QLatin1Char('?')) {
                out += QLatin1Char('$') + QString::number(++placeholder);
                continue;
            }
            if (IsLikeAt(sql, i)) {
                out += QLatin1String("ILIKE");
                i += 3;
                continue;
            }
            if (c == QLatin1Char('\'')) in = In::Text;
            else if (c == QLatin1Char('"')) in = In::Name;
            break;
        case In::Text:
            // A doubled quote inside text closes and reopens it: the same walk holds.
            if (c == QLatin1Char('\'')) in = In::Sql;
            break;
        case In::Name:
            if (c == QLatin1Char('"')) in = In::Sql;
            else c = Folded(c);
            break;
        }
        out += c;
    }
    return out;
}
