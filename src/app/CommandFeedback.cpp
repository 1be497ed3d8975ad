#include "app/CommandFeedback.h"

#include "core/Asker.h"
#include "store/Database.h"
#include "store/Maintenance.h"

#include <QFileInfo>

QString PulledBackText(int count) {
    if (count == 0) return QStringLiteral("没有内容框在单据之外。");
    return QStringLiteral("已将 %1 个单据之外的内容框移回单据内。").arg(count);
}

QString SizeText(qint64 bytes) {
    if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
    if (bytes < 1024 * 1024) return QStringLiteral("%1 KB").arg(bytes / 1024.0, 0, 'f', 1);
    return QStringLiteral("%1 MB").arg(bytes / (1024.0 * 1024.0), 0, 'f', 1);
}

bool CompactAndReport(Database& db, Asker& asker, Progress& progress, const QString& currentFormat) {
    const qint64 before = QFileInfo(db.Path()).size();
    if (!TidyAndCompactDatabase(db, asker, progress, currentFormat)) return false;
    const qint64 after = QFileInfo(db.Path()).size();
    asker.Message(QStringLiteral("数据库已压缩整理：整理前 %1，整理后 %2。").arg(SizeText(before), SizeText(after)));
    return true;
}
