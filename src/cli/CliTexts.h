#pragma once
// The command line's own texts. The commands' outcomes use the texts of the modules
// they call; these are about the arguments.
#include <QString>
#include <QStringList>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace CliText {

inline QString UnknownArgument(const QString& arg) { return QStringLiteral("未知参数：") + arg; }
inline QString NeedsValue(const QString& option) { return option + QStringLiteral(" 需要一个值"); }
inline QString BadValue(const QString& option, const QString& value, const QString& expected) {
    return QStringLiteral("%1 的值“%2”无效，应为%3").arg(option, value, expected);
}
inline QString UnknownCommand(const QString& name) { return QStringLiteral("没有这个命令：") + name; }
inline QString UsageLine(const QString& usage) { return QStringLiteral("用法：vellumark ") + usage; }
inline QString NoArguments(const QString& command) { return command + QStringLiteral(" 不带参数"); }

inline const QString kCopyOntoItself = QStringLiteral("来源和目标是同一个数据文件");
inline const QString kDataDirNeedsFolder = QStringLiteral("--data-dir 需要一个文件夹");
inline const QString kFormatNameMissing = QStringLiteral("缺少格式名称");
inline const QString kOutputUsage =
    QStringLiteral("(--pdf 文件 | --printer 打印机) [--copies 份数] [--paper format|A4|宽x高]");
inline const QString kPdfOrPrinter = QStringLiteral("请指定 --pdf 或 --printer 之一");
inline const QString kProgramUsage =
    QStringLiteral("用法：vellumark [--data-dir 文件夹] [--store 服务器地址] [命令 [参数]]\n不带命令时打开窗口。\n命令：");
inline QString NoSuchLabel(const QString& label) {
    return QStringLiteral("格式中没有标签为“%1”的内容框").arg(label);
}

// What the value readers expect, for BadValue.
inline const QString kExpectRows = QStringLiteral("“开始-截止”，两个从 1 起的整数");
inline const QString kExpectWhole = QStringLiteral("从 %1 到 %2 的整数");
inline const QString kExpectPositive = QStringLiteral("从 1 起的整数");
inline const QString kExpectNumberList = QStringLiteral("单据编号，如 3,5-9");
inline const QString kExpectGrid = QStringLiteral("“列数x行数”，两个整数（1-200 列，1-100 行）");
inline const QString kExpectSize = QStringLiteral("“宽x高”，以毫米计，都大于 0");
inline const QString kExpectAssignment = QStringLiteral("“标签=内容”");
inline const QString kExpectColumn = QStringLiteral("列字母，如 C");
inline const QString kExpectPaper = QStringLiteral("format、A4 或“宽x高”（毫米）");

} // namespace CliText

namespace CliText {
// A page or label sheet larger than the paper: named by `what` ("单据", "标签纸").
inline QString OffPaper(const QString& what, const QString& width, const QString& height,
                        const QString& paperWidth, const QString& paperHeight) {
    return QStringLiteral("警告：%1（宽 %2 mm，高 %3 mm）比纸张（宽 %4 mm，高 %5 mm）大，超出纸张的内容打印不出来；"
                          "可用 --paper format 把纸张设为%1的尺寸。")
        .arg(what, width, height, paperWidth, paperHeight);
}
inline const QString kBillPage = QStringLiteral("单据");
inline const QString kLabelSheet = QStringLiteral("标签纸");
} // namespace CliText

namespace CliText {
inline QString NoMapping(const QString& format) {
    return QStringLiteral("格式“%1”没有列映射，文件第一行也没有与内容框标签相同的列名。请先设置列映射："
                          "vellumark import-data %1 文件 --map 标签=列 --save-mapping，"
                          "或在窗口的导入对话框中设置。")
        .arg(format);
}
} // namespace CliText

namespace CliText {
inline const QString kHistoryReadFailed = QStringLiteral("历史记录读取失败！");
inline const QString kDeleteAlone = QStringLiteral("--delete 不能与 --limit 或 --csv 一起使用");
inline QString NoSuchBills(const QStringList& numbers) {
    return QStringLiteral("没有编号为 %1 的单据，没有删除任何单据。").arg(numbers.join(QStringLiteral("、")));
}
inline QString BillsDeleted(int count) { return QStringLiteral("已删除 %1 张单据").arg(count); }
} // namespace CliText

namespace CliText {
inline const QString kDefaultsReadFailed = QStringLiteral("默认数据读取失败！");
} // namespace CliText
#pragma GCC visibility pop
