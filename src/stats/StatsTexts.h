#pragma once
// The statistics' own texts, shown to the user exactly as written here.
#include <QString>

namespace StatsText {
inline const QString kTitle = QStringLiteral("数据统计分析");
inline const QString kDateBoxesMissing = QStringLiteral("日期内容框不能为空！");
inline const QString kConditionMissing = QStringLiteral("统计条件没有设置！");
inline const QString kAmountBoxMissing = QStringLiteral("金额框不能为空！");
// A list entry that stands for every box of a label group: stem + this.
inline const QString kGroupSuffix = QStringLiteral("_XX");

inline const QString kNumberColumn = QStringLiteral("序号");
inline const QString kDateColumn = QStringLiteral("日期");
inline const QString kAmountColumn = QStringLiteral("金额");
inline const QString kCountColumn = QStringLiteral("单据数");

inline const QString kCaptionHead = QStringLiteral("票据开单统计分析图表");
inline const QString kCaptionFormat = QStringLiteral("统计：Vellumark；单据：");
inline const QString kCaptionContent = QStringLiteral("；统计内容：");
inline const QString kCaptionDates = QStringLiteral("；日期：");
inline const QString kCaptionTo = QStringLiteral("至");
inline const QString kCaptionAmountBox = QStringLiteral("统计对象：");
inline const QString kCaptionCondition = QStringLiteral("统计条件：");

// Bills left out because their date could not be read: %1 is their number.
inline const QString kSkippedBills = QStringLiteral("有%1张单据的日期无法识别，未计入统计。");
inline const QString kNoBills = QStringLiteral("所选日期范围内没有单据。");
inline const QString kReadFailed = QStringLiteral("读取历史记录失败：");
} // namespace StatsText
