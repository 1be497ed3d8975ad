#pragma once
// The texts the import, the bill-data grid and the export show, kept in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace ExchangeText {
// Settings store: the row settings of the import, shared by all formats.
inline const QString kSettingsApp = QStringLiteral("QMX");
inline const QString kRowSection = QStringLiteral("Gantrell");
// The user's text for a line break in box contents.
inline const QString kParaSection = QStringLiteral("Para");
inline const QString kCrlfKey = QStringLiteral("CrlfChr");
inline const QString kDefaultCrlf = QStringLiteral("//");

// Choosing the file and the worksheet
inline const QString kOpenFilter =
    QStringLiteral("Microsoft Office Excel 工作簿(*.xlsx *.xls);;CSV (逗号分隔)(*.csv)");
inline const QString kChooseSheet = QStringLiteral("选择要导入数据所在的工作表");
inline const QString kSheetNo = QStringLiteral("No.");
inline const QString kSheetChosen = QStringLiteral("选择");
inline const QString kSheetName = QStringLiteral("工作表名称");
inline const QString kChosenMark = QStringLiteral("√");
inline const QString kCannotOpenXls = QStringLiteral("无法打开XLS文件！");
inline const QString kReadingFile = QStringLiteral("正在读取EXCEL文件数据……");

// The mapping dialog
inline const QString kMappingTitle = QStringLiteral("导入数据映射");
inline const QString kPreviewTip = QStringLiteral("要导入表格的部分内容示例。");
inline const QString kMappingTip = QStringLiteral("请填入各输入框对应表格所在的列号。");
inline const QString kMappingHeaders[] = {QStringLiteral("Index"), QStringLiteral("ID"),
                                          QStringLiteral("序号"), QStringLiteral("输入框内容"),
                                          QStringLiteral("对应列号")};
inline const QString kStartTip = QStringLiteral("数据导入的开始行号。");
inline const QString kEndTip = QStringLiteral("数据导入的截止行号。");
inline const QString kIntervalLabel = QStringLiteral("行间隔：");
inline const QString kMarkerLabel = QStringLiteral("标志列：");
inline const QString kReadingData = QStringLiteral("正在读取EXCEL数据……");
inline const QString kUnsupportedType =
    QStringLiteral("您选择的文件格式不支持导入，请选择CSV或XLS文件！");
inline QString MappingNotSaved(const QString& reason) {
    return QStringLiteral("映射未能保存：") + reason;
}
inline const QString kRowSettingsNotSaved = QStringLiteral("导入行设置未能保存！");
inline const QString kTooManyRows = QStringLiteral("一次性导入数据不得超过3万条记录，请重新设置！");

// Reading failures
inline const QString kWrongFileType = QStringLiteral("文件类型不对，请选择Excel文档！");
inline const QString kCannotOpenExcel =
    QStringLiteral("无法打开Excel文件，请检查后重新输入文件名及路径！");
inline const QString kWrongSheetName = QStringLiteral("输入表格名称有误，无法打开表格，请重新输入！");
inline const QString kCsvImportError = QStringLiteral("CSV文件导入错误！");
inline const QString kUnclosedQuote =
    QStringLiteral("CSV文件最后一条记录的引号没有结束，已按文件结尾结束该字段。");
// Limits against files that unpack to far more than they hold.
inline const QString kTooLargeUnpacked =
    QStringLiteral("Excel文件解压后超过%1MB，可能已损坏，无法导入！");
inline const QString kTooManyCells =
    QStringLiteral("Excel文件的单元格超过%1个，无法导入！");
inline QString XlsTooLarge(qint64 bytes) {
    return QStringLiteral("Excel文件超过%1MB，无法导入！").arg(bytes / (1024 * 1024));
}
inline QString CsvUndecodable(int line) {
    return QStringLiteral("CSV文件第%1行含有无法识别的字符编码，无法导入！").arg(line);
}
inline QString CsvFieldTooLong(qsizetype line, qsizetype chars) {
    return QStringLiteral("CSV文件第%1行的单元格超过%2个字符，无法导入！").arg(line).arg(chars);
}
inline QString CsvTooLarge(qsizetype cells, qsizetype chars) {
    return QStringLiteral("CSV文件超过%1个单元格或%2个字符，无法导入！").arg(cells).arg(chars);
}

// The bill-data grid
inline const QString kRunningNumber = QStringLiteral("序号");
inline const QString kFitting = QStringLiteral("正在做交易数据表格进行格式设置……");
inline const QString kClearAll = QStringLiteral("您确定要清除所有记录？");
inline QString DeleteRowsQuestion(int first, int last) {
    return QStringLiteral("您确定要删除第%1至第%2行？").arg(first).arg(last);
}
inline const QString kImportButton = QStringLiteral("导入数据");
inline const QString kPreviousRow = QStringLiteral("上一条");
inline const QString kNextRow = QStringLiteral("下一条");
inline QString RowCountText(int rows) { return QStringLiteral("共%1条").arg(rows); }
inline const QString kExportMenu = QStringLiteral("导出表格");
inline const QString kDeleteRowsMenu = QStringLiteral("删除选定行");
inline const QString kClearRowsMenu = QStringLiteral("清除所有记录");
inline const QString kStartLabel = QStringLiteral("开始行：");
inline const QString kEndLabel = QStringLiteral("截止行：");
inline const QString kAscendingMark = QStringLiteral("△");
inline const QString kDescendingMark = QStringLiteral("▽");

// Export
inline const QString kBillDataTitle = QStringLiteral("Vellumark打印批量数据");
inline const QString kHistoryTitle = QStringLiteral("Vellumark打印历史数据");
inline const QString kNoData = QStringLiteral("表格中没有数据！");
inline const QString kSaveFilter =
    QStringLiteral("CSV (逗号分隔)(*.csv);;MS Excel文件  (*.xlsx *.xls)");
inline const QString kOverwrite = QStringLiteral("该文件已存在，是否覆盖？");
inline const QString kCannotOverwrite = QStringLiteral("该文件无法覆盖，请确认该文件没被其他软件打开！");
inline const QString kExportingCsv = QStringLiteral("正在导出数据至CSV格式文件……");
inline const QString kExportingSheet = QStringLiteral("正在将数据导出到EXCEL文件 …");
inline const QString kSaveError = QStringLiteral("文件保存出错！");
inline QString SavedAsXlsx(const QString& path) {
    return QStringLiteral("Excel文件已按xlsx格式保存为：“%1”").arg(path);
}
} // namespace ExchangeText
#pragma GCC visibility pop
