#include "designer/BoxLinks.h"

QString LinkEntryText(qint64 id, const QString& caption) {
    return QStringLiteral("%1").arg(id, 6, 10, QChar(u'0')) + u'｜' + caption;
}

qint64 LinkEntryId(const QString& text) {
    qsizetype end = 0;
    while (end < text.size() && text[end].unicode() >= u'0' && text[end].unicode() <= u'9') ++end;
    return text.left(end).toLongLong();
}
