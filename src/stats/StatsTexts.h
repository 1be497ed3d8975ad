#pragma once
// The statistics' own texts, shown to the user exactly as written here.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

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

// The dialog's groups and choices.
inline const QString kObjectGroup = QStringLiteral("统计对象");
inline const QString kAllBills = QStringLiteral("综合统计");
inline const QString kConditional = QStringLiteral("条件统计");
inline const QString kEquals = QStringLiteral("等于");
inline const QString kAmountBox = QStringLiteral("金额框：");
inline const QString kPeriodGroup = QStringLiteral("周期");
inline const QString kPerDay = QStringLiteral("按天");
inline const QString kPerMonth = QStringLiteral("按月");
inline const QString kRangeGroup = QStringLiteral("日期范围");
inline const QString kRangeTo = QStringLiteral("至");
inline const QString kDateGroup = QStringLiteral("日期内容框");
inline const QString kWholeDate = QStringLiteral("完整日期");
inline const QString kCombinedDate = QStringLiteral("组合日期");
inline const QString kYear = QStringLiteral("年：");
inline const QString kMonth = QStringLiteral("月：");
inline const QString kDay = QStringLiteral("日：");
inline const QString kContentGroup = QStringLiteral("统计内容");
inline const QString kAmounts = QStringLiteral("开具金额");
inline const QString kBillCount = QStringLiteral("单据数量");
inline const QString kRun = QStringLiteral("开始统计");
inline const QString kSaveChart = QStringLiteral("保存图表");
inline const QString kSaveTable = QStringLiteral("保存表格");
inline const QString kPngFilter = QStringLiteral("PNG图片(*.png)");
inline const QString kCsvFilter = QStringLiteral("CSV文件(*.csv)");
inline const QString kSaveFailed = QStringLiteral("文件保存失败：");

// Where the split line between table and chart is kept.
inline const QString kSettingsApp = QStringLiteral("QMX");
inline const QString kSettingsSection = QStringLiteral("位置");
inline const QString kSplitterKey = QStringLiteral("统计_分界线");
} // namespace StatsText
#pragma GCC visibility pop
