#pragma once
// The designer's own texts, in one place. They are shown to the user exactly as written.
#include <QString>
#include <QStringList>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

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
inline const QString kQrTooLong = QStringLiteral("内容太长，无法生成二维码！");
inline const QString kBarcodeNotDrawable = QStringLiteral("当前条码标准无法生成该条形码！");
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

// Selection, dragging and alignment.
inline const QString kTipMoveBox =
    QStringLiteral("提示：按住鼠标左键(别松开),拖动鼠标,即可移动本输入框位置。");
inline const QString kTipResizeBox =
    QStringLiteral("提示：按住鼠标左键(别松开),拖动鼠标,即可改变本输入框大小。");
inline const QString kTipTextInput = QStringLiteral("提示：点击鼠标左键,可以输入内容。");
inline const QString kTipDragLine = QStringLiteral("提示：按住鼠标左键(别松开),拖动鼠标,即可拖动本线条。");
inline const QString kTipRubberBand = QStringLiteral("按住鼠标左键并拖动鼠标可以选中需要修改的输入框。");
inline const QString kTipKeys =
    QStringLiteral("箭头键->移动位置，Shift+箭头键->改变控件大小，Ctrl+箭头键->改变字体大小！");
inline const QString kSelectBoxesFirst = QStringLiteral("请先选定多个输入框，再操作此功能！");
inline const QString kSelectThreeBoxes = QStringLiteral("请先选定至少三个输入框，再操作此功能！");
inline const QString kAskAlignValue = QStringLiteral("请输入设定值(毫米)：");

// Property dialogs.
inline const QString kEditTextTitle = QStringLiteral("添加/修改控件");
inline const QString kEditCheckTitle = QStringLiteral("修改可选框属性");
inline const QString kEditPictureTitle = QStringLiteral("添加/修改图像框");
inline const QString kEditLineTitle = QStringLiteral("线条属性修改");
inline const QString kEditLabelTitle = QStringLiteral("标签属性修改");
inline const QString kRow = QStringLiteral("行号：");
inline const QString kCaptionGroup = QStringLiteral("标签内容/位置");
inline const QString kCaptionText = QStringLiteral("内容：");
inline const QString kCaptionTip = QStringLiteral("输入框的提示标签内容。");
inline const QStringList kCaptionPlaces = {QStringLiteral("控件上边"), QStringLiteral("控件左边"),
                                           QStringLiteral("控件右边"), QStringLiteral("控件下边")};
inline const QString kPlaceGroup = QStringLiteral("内容框位置/大小(毫米)");
inline const QStringList kPlaceFields = {QStringLiteral("横向位置："), QStringLiteral("纵向位置："),
                                         QStringLiteral("宽度："), QStringLiteral("高度：")};
inline const QStringList kLinePointFields = {QStringLiteral("起点X："), QStringLiteral("起点Y："),
                                             QStringLiteral("终点X："), QStringLiteral("终点Y：")};
inline const QString kCharSpacing = QStringLiteral("字间距：");
inline const QString kCharSpacingTip = QStringLiteral("输入框打印时的字间距。");
inline const QString kLineSpacing = QStringLiteral("行间距：");
inline const QString kAlignmentGroup = QStringLiteral("排版方式");
inline const QStringList kAlignments = {QStringLiteral("居左"), QStringLiteral("居右"), QStringLiteral("居中")};
inline const QString kDataType = QStringLiteral("内容类别");
inline const QString kCellCount = QStringLiteral("小写金额格数：");
inline const QString kDigitCount = QStringLiteral("数字格数：");
inline const QString kCapitalCount = QStringLiteral("大写金额位数：");
inline const QString kTypeCode = QStringLiteral("数据类型代码：");
inline const QString kCorrectedCount = QStringLiteral("11");
inline const QString kCustomType = QStringLiteral("自定义");
inline const QString kCustomTypeKey = QStringLiteral("=>自定义类型");
inline QString AskCustomType(int code) {
    return QStringLiteral("请输入自定义数据格式信息,时间格式：YYYY-MM-DD HH:MM:SS；列表格式：选项A;选项B;选项C(类型编号") +
           QString::number(code) + QStringLiteral(")：");
}
inline const QString kRelations = QStringLiteral("内容相同/相关：");
inline const QString kRelationTip =
    QStringLiteral("本输入框与其他输入框的内容关联（此功能使用户减少重复输入）。");
inline const QString kSame = QStringLiteral("相同");
inline const QString kRelated = QStringLiteral("相关");
inline const QString kSumGroup = QStringLiteral("累加/乘至输入框");
inline const QString kAdd = QStringLiteral("累加");
inline const QString kMultiply = QStringLiteral("累乘");
inline const QString kNegate = QStringLiteral("取负");
inline const QString kNoLinkedBox = QStringLiteral("000000｜没有相关联输入框");
inline const QString kFontGroup = QStringLiteral("字体设置");
inline const QString kFontButton = QStringLiteral("字体");
inline const QString kColorButton = QStringLiteral("颜色");
inline const QString kFontSize = QStringLiteral("字号：");
inline const QStringList kFontStyles = {QStringLiteral("黑体"), QStringLiteral("斜体"),
                                        QStringLiteral("下划线"), QStringLiteral("删除线")};
inline const QString kChooseFont = QStringLiteral("请选择字体名称");
inline const QString kSampleText = QStringLiteral("票据套打 AaBb 123");
inline const QString kLineWidth = QStringLiteral("粗细：");
inline const QString kLineStyle = QStringLiteral("线型：");
inline const QStringList kLineStyles = {QStringLiteral("1 - 实线"), QStringLiteral("2 - 虚线"),
                                        QStringLiteral("3 - 点画线"), QStringLiteral("4 - 点虚线"),
                                        QStringLiteral("5 - 点点虚线")};
inline const QString kLineColor = QStringLiteral("颜色设置");
inline const QString kLinePreview = QStringLiteral("样式示例：");

// Undo steps.
inline const QString kUndo = QStringLiteral("撤销");
inline const QString kRedo = QStringLiteral("重做");
// The arranging steps are named with the editing operations (document/EditSteps.h).
inline const QString kStepProperties = QStringLiteral("设置内容框");
inline const QString kStepAdd = QStringLiteral("添加内容框");
inline const QString kStepCopy = QStringLiteral("复制内容框");
inline const QString kStepDelete = QStringLiteral("删除内容框");
inline const QString kStepTable = QStringLiteral("添加表格");
inline const QString kStepLabelText = QStringLiteral("粘贴文本");

// Zoom buttons.
inline const QString kZoomIn = QStringLiteral("放大");
inline const QString kZoomOut = QStringLiteral("缩小");
inline const QString kFitWidth = QStringLiteral("适合宽度");
} // namespace DesignerText
#pragma GCC visibility pop
