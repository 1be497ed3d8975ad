#pragma once
// The designer's own texts, in one place. They are shown to the user exactly as written.
#include <QString>
#include <QStringList>

namespace DesignerText {
// Page size and new formats.
inline const QString kNewFormatTitle = QStringLiteral("Vellumark-新建格式模板");
inline const QString kAskFormatName = QStringLiteral("请输入需要新建的格式名称：");
inline const QString kAskWidth = QStringLiteral("输入格式模板宽度（单位：毫米）：");
inline const QString kAskHeight = QStringLiteral("输入格式模板高度（单位：毫米）：");
inline const QString kZeroWidth = QStringLiteral("单据宽度不能为零！");
inline const QString kZeroHeight = QStringLiteral("单据高度不能为零！");
inline const QString kBadRatioRetry =
    QStringLiteral("单据的宽度与高度比例应为1：20到20：1之间,请重新输入！");
inline const QString kBadRatio = QStringLiteral("单据的宽度与高度比例应为1：20到20：1之间！");
inline const QString kOk = QStringLiteral("确  定");
inline const QString kCancel = QStringLiteral("取  消");

// Box kinds.
inline const QString kChooseKind = QStringLiteral("请选择要添加的输入框类型");
inline const QStringList kKindChoices = {QStringLiteral("0｜文本框"), QStringLiteral("1｜可选框"),
                                         QStringLiteral("2｜图像框"), QStringLiteral("3｜线条"),
                                         QStringLiteral("4｜标签")};
inline const QString kLabelTemplateCaption = QStringLiteral("标签");
// A kind holds at most 999 boxes so that its numbers never reach the next kind's.
inline const QString kTooManyBoxes = QStringLiteral("同一类输入框最多只能有999个，无法再添加！");

// Box operations.
inline const QString kAskDeleteSelected = QStringLiteral("您确定要删除选定的输入框和当前输入框？");
inline QString AskDeleteRows(int first, int last) {
    return QStringLiteral("您确定要删除第") + QString::number(first) + QStringLiteral("行至第") +
           QString::number(last) + QStringLiteral("行对应的输入框？");
}
inline const QString kAskCopyCount = QStringLiteral("请输入要复制输入框个数：");
inline const QString kReloadingFormat = QStringLiteral("重新加载格式……");

// Pictures and barcodes.
inline const QString kPictureFilter = QStringLiteral(
    "JPEG格式(*.jpg);;位图(*.bmp);;GIF格式(*.gif);;WMF格式(*.wmf);;图标格式(*.ico);;所有格式(*.*)");
inline QString PictureMissing(const QString& path) {
    return QStringLiteral("图片文件“") + path + QStringLiteral("”不存在！");
}
inline const QString kAskBarcode = QStringLiteral("请输入条形码（数字串）：");
inline const QString kBackgroundFilter = QStringLiteral("JPEG格式(*.jpg)");
inline const QString kAskReplaceBackground = QStringLiteral("当前格式已有底图，是否要替换？");
inline const QString kAskClearBackground = QStringLiteral("您确定要清除背景图？");

// Popup menus.
inline const QString kBoxMenuTitle = QStringLiteral("内容框");
inline const QString kCanvasMenuTitle = QStringLiteral("单据菜单");
inline const QString kCopyText = QStringLiteral("复制文本");
inline const QString kPasteText = QStringLiteral("粘贴文本");
inline const QString kAddPicture = QStringLiteral("添加  图片");
inline const QString kInputBarcode = QStringLiteral("输入条形码");
inline const QString kBoxSettings = QStringLiteral("设置内容框");
inline const QString kAddBox = QStringLiteral("添加内容框");
inline const QString kCopyBox = QStringLiteral("复制内容框");
inline const QString kDeleteBox = QStringLiteral("删除内容框");
inline const QString kSameRing = QStringLiteral("建立关联链");
inline const QString kRelatedRing = QStringLiteral("建立相关项");
inline const QString kClearContents = QStringLiteral("清空内容");
inline const QString kReplaceBackground = QStringLiteral("更换背景图");
inline const QString kClearBackground = QStringLiteral("清除背景图");
inline const QString kAddNextBill = QStringLiteral("添加下一张单据");
inline const QString kPrintAndAddBill = QStringLiteral("打印并添加单据");
inline const QString kAutoDate = QStringLiteral("自动生成日期");
inline const QString kAutoPassword = QStringLiteral("自动生成密码");

// Table ruling.
inline const QString kTableTitle = QStringLiteral("生成表格");
inline const QString kTableTopLeft = QStringLiteral("左上角坐标(毫米)：");
inline const QString kTableBottomRight = QStringLiteral("右下角坐标(毫米)：");
inline const QString kTableRows = QStringLiteral("行数：");
inline const QString kTableColumns = QStringLiteral("列数：");

// Zoom buttons.
inline const QString kZoomIn = QStringLiteral("放大");
inline const QString kZoomOut = QStringLiteral("缩小");
inline const QString kFitWidth = QStringLiteral("适合宽度");
} // namespace DesignerText
