#pragma once
// The texts of the printing dialogs, kept in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace PrintUiText {
inline const QString kSelectPrinterTitle = QStringLiteral("选择打印机");
inline const QString kPrinterTip = QStringLiteral("要选择的打印机名称。");
inline const QString kCopies = QStringLiteral("打印份数：");
inline const QString kPdfChoice = QStringLiteral("PDF文件");
inline const QString kPdfCaption = QStringLiteral("打印到PDF文件");
inline const QString kPdfFilter = QStringLiteral("PDF文件(*.pdf)");
inline const QString kOk = QStringLiteral("确  定");
inline const QString kCancel = QStringLiteral("取  消");

inline const QString kOffsetsTitle = QStringLiteral("输入打印页边距");
inline const QString kOffsetsExplanation =
    QStringLiteral("请在下列输入框中填入打印内容需要移动的距离，如需向反方向移动，请填写负数。");
inline const QString kLeftLabel = QStringLiteral("向左移");
inline const QString kUpLabel = QStringLiteral("向上移");
inline const QString kLeftTip = QStringLiteral("横向打印页边距。");
inline const QString kUpTip = QStringLiteral("纵向打印页边距。");
inline const QString kMillimetres = QStringLiteral("毫米");

inline const QString kLabelSheetTitle = QStringLiteral("打印标签");
inline const QString kColumns = QStringLiteral("列数：");
inline const QString kRows = QStringLiteral("行数：");
inline const QString kSheetWidth = QStringLiteral("标签纸宽度(毫米)：");
inline const QString kSheetHeight = QStringLiteral("标签纸高度(毫米)：");
inline const QString kWithBackground = QStringLiteral("连同背景图打印");
inline const QString kSeparators = QStringLiteral("打印 标签分隔线");
inline const QString kGuides = QStringLiteral("显示网格线");
inline const QString kPreviousPage = QStringLiteral("上一页");
inline const QString kNextPage = QStringLiteral("下一页");
inline QString PreviewPage(int page, int pages) {
    return QStringLiteral("第%1/%2页").arg(page).arg(pages);
}
} // namespace PrintUiText
#pragma GCC visibility pop
