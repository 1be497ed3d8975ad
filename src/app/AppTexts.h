#pragma once
// The texts the window module shows, kept in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace AppText {
inline const QString kNoConnection = QStringLiteral("无法建立数据库连接！");

// Login
inline const QString kLoginTitle = QStringLiteral("请输入密码");
inline const QString kLoginField = QStringLiteral("密码：");
inline const QString kLoginButton = QStringLiteral("确    定");

// Changing the login password
inline const QString kChangeTitle = QStringLiteral("修改密码");
inline const QString kOldField = QStringLiteral("原有密码：");
inline const QString kNewField = QStringLiteral("新的密码：");
inline const QString kRepeatField = QStringLiteral("再次输入：");
inline const QString kOldTip = QStringLiteral("原始密码为空");
inline const QString kNewTip = QStringLiteral("不输内容表示去除密码");
inline const QString kChangeButton = QStringLiteral("确  定");

// Settings
inline const QString kCrlfPrompt = QStringLiteral("请输入表示回车的表示字符串");
inline const QString kDefaultCrlf = QStringLiteral("//");
inline const QString kNumCutTitle = QStringLiteral("小数舍入方法");
inline const QString kNumCutOptions[] = {QStringLiteral("舍去多余小数"), QStringLiteral("四舍五入"),
                                         QStringLiteral("有小数加整")};
inline const QString kNumCutButton = QStringLiteral("确   定");
inline const QString kNumCutParam = QStringLiteral("NumCutMethod");

// Main window
inline const QString kChooseFormatName = QStringLiteral("请选择格式名称");
inline const QString kCurrencyPrompt = QStringLiteral("请输入本单据的货币符号：");
inline const QString kNoFormatHint =
    QStringLiteral("还没有格式。请用菜单“格式”>“新建格式”建立第一个格式。");
inline const QString kBillDataTab = QStringLiteral("单据数据");
inline const QString kHistoryTab = QStringLiteral("历史记录");
inline const QString kBoxGridTab = QStringLiteral("格式内容框");
inline const QString kOptionBoxes[] = {QStringLiteral("显示标尺(1厘米/大格；2毫米/小格)"),
                                       QStringLiteral("纵向打印"), QStringLiteral("锁定格式"),
                                       QStringLiteral("卡纸器两边向中间收缩"),
                                       QStringLiteral("显示底图")};
inline const QString kOptionTips[] = {QStringLiteral("显示标尺网格，方便您根据打印偏差移动输入框。"),
                                      QString(), QStringLiteral("选择此项后，格式被锁定，无法进行修改。"),
                                      QString(), QStringLiteral("显示单据的背景图片。")};
inline const QString kMainWindowPlacement = QStringLiteral("MF");
inline const QString kPageSizeButton = QStringLiteral("页面尺寸");
inline const QString kOffsetsButton = QStringLiteral("打印边距");
inline const QString kCalibrationButton = QStringLiteral("打印校验图形");
inline const QString kOutputPicture = QStringLiteral("导出图片");

// Barcode standard
inline const QString kBarcodeTitle = QStringLiteral("条码编码标准设置");
inline const QString kBarcodeOptions[] = {QStringLiteral(" 39码"), QStringLiteral(" EAN-13码"),
                                          QStringLiteral(" 二维码")};
inline const QString kBarcodeButton = QStringLiteral("确     定");
} // namespace AppText
#pragma GCC visibility pop
