#pragma once
// The texts the print job shows, kept in one place.
#include <QString>

namespace PrintText {
inline const QString kCustomPaperName = QStringLiteral("Marrowby格式");
inline const QString kNoPrinter = QStringLiteral("没有正常连接打印机！");
inline const QString kPrintError = QStringLiteral("打印出错！");
inline QString PdfWriteFailed(const QString& path, const QString& reason) {
    return QStringLiteral("PDF文件“") + path + QStringLiteral("”写入失败：") + reason;
}
inline const QString kDiskFull = QStringLiteral("磁盘空间已满");
inline const QString kIncomplete = QStringLiteral("文件没有完整写出");
inline const QString kCannotReplace = QStringLiteral("无法替换目标文件");
inline QString CopiesOutOfRange(const QString& value) {
    return QStringLiteral("份数应为1到999之间的整数：") + value;
}
inline const QString kPaperErrorNumber = QStringLiteral("错误号: ");
inline QString PaperAccessDenied(const QString& printer) {
    return QStringLiteral("对打印机“") + printer + QStringLiteral("”您没有权限添加自定义纸张!");
}
inline const QString kCalibrationQuestion =
    QStringLiteral("您是否需要打印校验图形？如果要打印，请在打印机中放好A4纸一张。");
inline const QString kCalibrationTitle = QStringLiteral("校验图形打印");

// Settings store: the remembered printer.
inline const QString kSettingsApp = QStringLiteral("QMX");
inline const QString kPrinterSection = QStringLiteral("Validate");
inline const QString kPrinterKey = QStringLiteral("Printer");
// Settings store: the line-break marker of box contents.
inline const QString kParaSection = QStringLiteral("Para");
inline const QString kCrlfKey = QStringLiteral("CrlfChr");
inline const QString kDefaultCrlf = QStringLiteral("//");
// Parameter store: the rounding method of amounts.
inline const QString kNumCutParam = QStringLiteral("NumCutMethod");
} // namespace PrintText
