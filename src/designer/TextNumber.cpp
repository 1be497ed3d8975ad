#include "designer/TextNumber.h"

#include <QString>

double NumberFromText(const QString& text) {
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == u'+' || t[end] == u'-')) ++end;
    bool digits = false, point = false;
    for (; end < t.size(); ++end) {
        const QChar c = t[end];
        if (c.isDigit() && c.unicode() < 128) digits = true;
        else if (c == u'.' && !point) point = true;
        else break;
    }
    if (!digits) return 0;
    return t.left(end).toDouble();
}

QString NumberText(double value) {
    return QString::number(value, 'g', 12);
}
