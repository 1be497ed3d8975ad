#pragma once
// The entry aids' own texts, shown to the user exactly as written.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace AidsText {
// Per-format custom data types in the parameter store: format name + this + code.
inline const QString kCustomTypeKey = QStringLiteral("=>自定义类型");
inline QString BadDatePattern(const QString& pattern) {
    return QStringLiteral("自定义日期格式设置有误：“") + pattern + QStringLiteral("”");
}
inline const QString kStepSameRing = QStringLiteral("建立关联链");
inline const QString kStepRelatedRing = QStringLiteral("建立相关项");
inline const QString kTick = QStringLiteral("√");

// The bill-password settings dialog PsdParaSet.
inline const QString kPasswordTitle = QStringLiteral("密码区参数设置");
inline const QString kPasswordCharset = QStringLiteral("密码区字符范围：");
inline const QString kPasswordPerSegment = QStringLiteral("每段字符数：");
inline const QString kPasswordSegments = QStringLiteral("共几段：");
inline const QString kPasswordSeparator = QStringLiteral("段间隔符：");
inline const QString kPasswordLineBreak = QStringLiteral("换行符");
} // namespace AidsText
#pragma GCC visibility pop
