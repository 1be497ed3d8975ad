#pragma once
// The texts of the design from a scan.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace ScanTexts {
inline const QString kStep = QStringLiteral("从扫描图生成内容框");
inline const QString kProgress = QStringLiteral("正在分析扫描图……");
inline const QString kUnreadable = QStringLiteral("无法读取扫描图：%1");
inline const QString kNoScale =
    QStringLiteral("扫描图没有记录分辨率，请给出分辨率（--dpi）或纸张尺寸（--size）");
inline const QString kNoReader = QStringLiteral("文字识别无法启动（需要简体中文识别数据）");
inline const QString kUnnamed = QStringLiteral("内容框%1");
inline const QString kFound = QStringLiteral("找到 %1 个内容框");
inline const QString kPictureFailed = QStringLiteral("底图没有存好：%1");
// The window.
inline const QString kChooseScan = QStringLiteral("选择扫描图");
inline const QString kScanFilter = QStringLiteral("图片(*.jpg *.jpeg *.png *.bmp *.tif *.tiff)");
inline const QString kOfferForBackground = QStringLiteral("此格式还没有内容框，是否从底图生成内容框？");
inline const QString kNothingFound = QStringLiteral("扫描图上没有找到可填写的空白");
inline const QString kReviewTitle = QStringLiteral("从扫描图生成内容框（拖动可移动，Delete 删除，双击改名）");
inline const QString kRemove = QStringLiteral("删除");
inline const QString kRename = QStringLiteral("改名");
inline const QString kAccept = QStringLiteral("全部接受");
inline const QString kRenamePrompt = QStringLiteral("内容框标签：");
inline const QString kScaleCaption = QStringLiteral("扫描图的尺寸按");
inline const QString kScaleBySize = QStringLiteral("纸张尺寸 %1（宽x高，毫米）");
inline const QString kScaleByDpi = QStringLiteral("扫描分辨率（dpi）");
inline const QString kSizePrompt = QStringLiteral("纸张尺寸（宽x高，毫米）：");
inline const QString kDpiPrompt = QStringLiteral("扫描分辨率（dpi，%1–%2）：");
inline const QString kBadSize = QStringLiteral("纸张尺寸应写成 宽x高（毫米），例如 210x297");
inline const QString kBadDpi = QStringLiteral("分辨率应为 %1 到 %2 之间的整数");
} // namespace ScanTexts
#pragma GCC visibility pop
