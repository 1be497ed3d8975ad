#include "store/ServerSql.h"

QString ServerName(const QString& name) {
    QString folded = name;
    for (QChar& c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

QString ServerSql(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    int placeholder = 0;
    enum class In { Sql, Text, Name } in = In::Sql;
    for (QChar c : sql) {
        switch (in) {
        case In::Sql:
            if (c == QLatin1Char('?')) {
                out += QLatin1Char('$') + QString::number(++placeholder);
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
            else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
            break;
        }
        out += c;
    }
    return out;
}
