#pragma once
// The texts of the format list dialog and the selection dialog, in one place.
#include <QString>
#include <QStringList>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace FormatListText {

inline const QString kTitle = QStringLiteral("选择/管理格式模板");
inline const QString kPlacementName = QStringLiteral("格式模板列表");
inline const QString kListLabel = QStringLiteral("格式模板列表：");
inline const QString kPreviewLabel = QStringLiteral("格式模板预览：");
inline const QString kNoPicture = QStringLiteral("此格式暂无图片！");
inline const QStringList kColumns = {QStringLiteral("ID"),       QStringLiteral("序号"),
                                     QStringLiteral("选择"),     QStringLiteral("格式名称"),
                                     QStringLiteral("宽(毫米)"), QStringLiteral("高(毫米)")};
inline const QString kMark = QStringLiteral("√");

inline const QString kChoose = QStringLiteral("选 择");
inline const QString kQuit = QStringLiteral("退 出");
inline const QString kImport = QStringLiteral("导 入");
inline const QString kExport = QStringLiteral("导 出");
inline const QString kDelete = QStringLiteral("删 除");
inline const QString kSearch = QStringLiteral("搜索");
inline const QString kDeleted = QStringLiteral("删除完成！");

inline const QString kSearchHistoryParam = QStringLiteral("格式查找");
inline const QString kSearchTip = QStringLiteral("按ESC可以清除搜索关键词列表");
inline const QString kClearSearchHistory = QStringLiteral("您要清除搜索关键词列表？");
inline const QString kNoKeyword = QStringLiteral("请先输入关键词！");
inline const QString kNothingFound = QStringLiteral("没有查到相关的记录！");

// The selection dialog.
inline const QString kChoiceSeparator = QStringLiteral("｜");
inline const QStringList kBoxKinds = {QStringLiteral("0｜文本框"), QStringLiteral("1｜可选框"),
                                      QStringLiteral("2｜图像框"), QStringLiteral("3｜线条"),
                                      QStringLiteral("4｜标签")};

} // namespace FormatListText
#pragma GCC visibility pop
