#pragma once
// The texts of the design from a scan.
#include <QString>

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
} // namespace ScanTexts
