#include "designer/RecordsSnapshot.h"

#include <QHash>

bool SameArrangement(const QList<BoxRecord>& a, const QList<BoxRecord>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        BoxRecord left = a[i];
        left.mem = b[i].mem;
        if (!(left == b[i])) return false;
    }
    return true;
}

QList<BoxRecord> WithCurrentTexts(const QList<BoxRecord>& target, const QList<BoxRecord>& current) {
    QHash<qint64, QString> texts;
    for (const BoxRecord& record : current) texts.insert(record.id, record.mem);
    QList<BoxRecord> result = target;
    for (BoxRecord& record : result) {
        const auto it = texts.constFind(record.id);
        if (it != texts.constEnd()) record.mem = *it;
    }
    return result;
}
