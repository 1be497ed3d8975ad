#include "designer/BoxLinks.h"

#include "store/Format.h"

QString LinkEntryText(qint64 id, const QString& caption) {
    if (IsTemporaryId(id)) return caption;
    return QStringLiteral("%1").arg(id, 6, 10, QChar(u'0')) + u'｜' + caption;
}
