#pragma once
// The texts the records module shows or asks, in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace RecordsText {
inline const QString kSavingDefaults = QStringLiteral("正在保存默认数据...");
inline const QString kLoadingDefaults = QStringLiteral("正在读于默认数据...");
inline const QString kLoadingHistory = QStringLiteral("正在加载历史记录……");
inline const QString kNothingFound = QStringLiteral("没有查到相关的记录！");
inline QString ConfirmDeleteRows(int first, int last) {
    return QStringLiteral("您确定要删除第") + QString::number(first) + QStringLiteral("至第")
           + QString::number(last) + QStringLiteral("行？");
}
// Failures the user must hear about: the bill or the contents were not kept.
inline const QString kFormatGone = QStringLiteral("格式已被删除");
inline const QString kHistorySaveFailed = QStringLiteral("单据未能保存到历史记录！");
inline const QString kDefaultsSaveFailed = QStringLiteral("默认数据保存失败！");
inline const QString kHistoryDeleteFailed = QStringLiteral("历史记录删除失败！");

// The history grid.
inline const QString kRunningNumber = QStringLiteral("序号");
inline const QString kBillNumber = QStringLiteral("单据编号");
inline const QString kAscending = QStringLiteral("△");
inline const QString kDescending = QStringLiteral("▽");
inline const QString kColumnOrderSuffix = QStringLiteral("_列顺序");
} // namespace RecordsText
#pragma GCC visibility pop
