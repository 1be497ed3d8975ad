#pragma once
// The texts of printer profiles and the calibration sheet, kept in one place.
#include <QString>
#include <QStringList>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace ProfileText {
inline QString Heading(const QString& queue, const QString& seat) {
    return QStringLiteral("打印机“") + queue + QStringLiteral("”（") + seat + QStringLiteral("）");
}
inline const QString kAllFormats = QStringLiteral("全部格式");
inline QString ForFormat(const QString& format) {
    return QStringLiteral("格式：") + (format.isEmpty() ? kAllFormats : format);
}
inline QString Offsets(double x, double y) {
    return QStringLiteral("偏移：向左移 %1 毫米，向上移 %2 毫米").arg(x).arg(y);
}
inline QString Scales(double x, double y) {
    return QStringLiteral("缩放：横向 %1，纵向 %2").arg(x, 0, 'g', 8).arg(y, 0, 'g', 8);
}
inline QString Feed(double mm) { return QStringLiteral("进纸修正：每张 %1 毫米").arg(mm); }
inline QString Continuous(bool on) {
    return QStringLiteral("连续纸：") + (on ? QStringLiteral("是") : QStringLiteral("否"));
}
inline const QString kNotSaved = QStringLiteral("打印机配置保存失败。");
// Continuous paper between jobs: where the next form's top edge is, and the reset after
// the user tore off and realigned the paper.
inline QString FormStart(double mm) {
    return QStringLiteral("连续纸位置：下一张单据的上边在打印起点下 %1 毫米").arg(mm, 0, 'f', 2);
}
inline const QString kRealignedButton = QStringLiteral("纸已重新对齐");
inline const QString kRealignedHint = QStringLiteral("撕纸后把下一张单据的上边对准打印起点，再按“纸已重新对齐”。");
inline const QString kExpectPair = QStringLiteral("“X,Y”，两个数");
inline const QString kExpectMm = QStringLiteral("以毫米计的数");
inline const QString kExpectMeasured = QStringLiteral("“X1,Y1,XN,YN”，十字中心的位置，以毫米计");
inline const QString kBothContinuousAndSheets = QStringLiteral("--continuous 与 --sheets 不能同时使用");
inline const QString kNoQueue = QStringLiteral("请指定打印机（打印队列名称）");

// The offsets dialog: the profile beside the format's own offsets.
inline const QString kProfileGroup = QStringLiteral("本机打印机校正");
inline const QString kProfileFormatOnly = QStringLiteral("仅用于本格式");
inline const QString kLeftLabel = QStringLiteral("再向左移(毫米)");
inline const QString kUpLabel = QStringLiteral("再向上移(毫米)");
inline const QString kNotANumber = QStringLiteral("打印机校正中有不是数字的内容");
inline const QString kScaleX = QStringLiteral("横向缩放");
inline const QString kScaleY = QStringLiteral("纵向缩放");
inline const QString kFeed = QStringLiteral("进纸修正(毫米/张)");
inline const QString kContinuousBox = QStringLiteral("连续纸");
inline const QString kCalibrateButton = QStringLiteral("用校准单校准…");

// The calibration dialog.
inline const QString kCalibrationTitle = QStringLiteral("校准打印机");
inline const QString kCalibrationSteps = QStringLiteral(
    "1. 放好纸，按“打印校准单”：第1张上印十字1，第N张上印十字N，十字的臂上每毫米一个刻度。\n"
    "2. 量出两个十字的中心各距本张纸左边和上边多少毫米，填在下面。\n"
    "3. 按确定，程序算出偏移、缩放和进纸修正，保存为本机这台打印机的校正。");
inline const QString kCalibrationBills = QStringLiteral("张数 N：");
inline const QString kPrintSheet = QStringLiteral("打印校准单");
inline const QString kFirstCrossX = QStringLiteral("十字1 距左边(毫米)");
inline const QString kFirstCrossY = QStringLiteral("十字1 距上边(毫米)");
inline const QString kLastCrossX = QStringLiteral("十字N 距左边(毫米)");
inline const QString kLastCrossY = QStringLiteral("十字N 距上边(毫米)");
inline const QString kMeasuredNotNumbers = QStringLiteral("请填入量得的十字位置（以毫米计的数）。");
inline const QString kSheetNotPrinted = QStringLiteral("校准单没有打印出来。");

// Boxes in the printer's hardware margins; one without a label goes by its kind.
inline QString UnlabelledBox(int kind) {
    static const QStringList kinds{QStringLiteral("文本框"), QStringLiteral("可选框"), QStringLiteral("图像框"),
                                   QStringLiteral("线条"), QStringLiteral("标签")};
    return QStringLiteral("未命名的") + kinds.value(kind, QStringLiteral("内容框"));
}
// A box of a label sheet with the labels (numbered from 1, row by row) it is cut in.
inline QString InLabels(const QString& box, const QList<int>& labels, int perSheet) {
    if (labels.size() == perSheet) return box + QStringLiteral("（每个标签）");
    QStringList numbers;
    for (const int label : labels) numbers << QString::number(label);
    return box + QStringLiteral("（第%1个标签）").arg(numbers.join(QStringLiteral("、")));
}
inline QString OutsidePrintableArea(const QString& queue, double marginMm, const QStringList& boxes) {
    return QStringLiteral("以下内容框超出打印机“%1”的可打印区域（纸边约%2毫米内打印不出来）：%3")
        .arg(queue, QString::number(marginMm, 'f', 1), boxes.join(QStringLiteral("、")));
}

// The calibration sheet.
inline QString CrossNumber(int n) { return QString::number(n); }
inline QString BillMark(int bill) { return QStringLiteral("第%1张").arg(bill); }
} // namespace ProfileText
#pragma GCC visibility pop
