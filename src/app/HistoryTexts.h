#pragma once
// The texts of the history tab and its column-order dialog.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace HistoryText {
// The history tab.
inline const QString kFind = QStringLiteral("查找");
inline const QString kFindTip = QStringLiteral("输入要查找的内容，回车查找下一条");
inline const QString kShowAll = QStringLiteral("显示全部");
inline const QString kColumnOrder = QStringLiteral("列顺序");
inline const QString kLoadBill = QStringLiteral("调入单据");
inline const QString kPrintSelected = QStringLiteral("打印选定单据");
inline const QString kDeleteSelected = QStringLiteral("删除选定单据");
inline const QString kDeleteAll = QStringLiteral("删除全部单据");

// The column-order dialog.
inline const QString kColumnOrderTitle = QStringLiteral("历史记录显示列");
inline const QString kMoveUp = QStringLiteral("上移");
inline const QString kMoveDown = QStringLiteral("下移");
inline const QString kOkButton = QStringLiteral("确  定");
inline const QString kCancelButton = QStringLiteral("取  消");
} // namespace HistoryText
#pragma GCC visibility pop
