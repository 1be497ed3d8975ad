#pragma once
// The texts the print job shows, kept in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

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

// Batches of bills and label sheets.
inline const QString kPrintingBills = QStringLiteral("正在打印单据……");
inline const QString kPrintingHistory = QStringLiteral("正在打印...");
inline const QString kPrintingLabels = QStringLiteral("正在打印标签……");
inline QString RowName(int row) { return QStringLiteral("第%1行").arg(row); }
inline QString BillName(qint64 number) { return QStringLiteral("单据%1").arg(number); }
inline QString BillNotLoaded(const QString& what, const QString& why) {
    return what + QStringLiteral("无法读入") + (why.isEmpty() ? QString() : QStringLiteral("（") + why + QStringLiteral("）"))
           + QStringLiteral("，打印已停止。");
}
inline QString BillNotPrinted(const QString& what) {
    return what + QStringLiteral("打印出错，打印已停止。");
}
inline const QString kHistoryNotKept = QStringLiteral("历史记录保存失败。");
// The output and its history records are published together.
inline QString NotPublished(const QString& why) {
    return QStringLiteral("历史记录无法保存（") + why + QStringLiteral("），打印内容没有输出。");
}
inline const QString kPublishedWithoutRecords =
    QStringLiteral("打印内容已输出，但历史记录保存失败。");
inline QString SentWithoutRecords(const QString& why) {
    return QStringLiteral("历史记录无法保存（") + why + QStringLiteral("），打印任务已送出。");
}
inline const QString kNothingPrinted = QStringLiteral("没有打印任何单据，历史记录中也没有保存。");
inline QString BillsKept(int bills) {
    return QStringLiteral("其中%1张已存入历史记录。").arg(bills);
}
inline const QString kJobCancelled = QStringLiteral("打印已取消。");
inline QString BillsPrinted(int bills) {
    return QStringLiteral("已打印的%1张单据保留在打印任务中。").arg(bills);
}
// A job that went out in strips and stopped part way: what went out, and the rest.
inline QString PartlyPrinted(int bills) { return QStringLiteral("已打印%1张单据，").arg(bills); }
inline QString PartlyKept(int bills) { return QStringLiteral("其中%1张已存入历史记录，").arg(bills); }
inline const QString kRestNotPrinted = QStringLiteral("其余单据没有打印。");
inline const QString kNoSuchBill = QStringLiteral("没有这张单据");
inline const QString kNoRows = QStringLiteral("没有可打印的单据数据！");

// Settings store: the label-sheet fields (under their own application name).
inline const QString kLabelSettingsApp = QStringLiteral("QD01");
inline const QString kLabelSection = QStringLiteral("TagPrintSet");
inline QString LabelFieldKey(int index) { return QStringLiteral("Index") + QString::number(index); }
// Parameter store: whether the label-sheet preview shows its grid lines.
inline const QString kLabelGridParam = QStringLiteral("LabelArrayLine");

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
#pragma GCC visibility pop
