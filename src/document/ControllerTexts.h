#pragma once
// What the controller of the open format tells the user: questions before a format is
// left, failed saves, and the notes the window shows in its status bar and the command
// line prints.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace ControllerText {
inline const QString kSaveFailed = QStringLiteral("格式保存失败！");
inline const QString kSaveBoxEdits = QStringLiteral("格式“%1”的内容框已修改，是否保存修改？");
inline const QString kNewBoxesSavedFirst =
    QStringLiteral("格式“%1”有新的内容框，已先保存格式，单据的全部内容才能存入历史记录。");
inline const QString kEmptyBillNotAdded = QStringLiteral("单据没有任何内容，未存入历史记录。");
inline const QString kOptionsNotKept = QStringLiteral("格式“%1”的设置未能保存。");

// The store cannot keep the bill (`why` says which store and its reason).
inline QString NotPrinted(const QString& why) {
    return why + QStringLiteral("\n单据未打印：历史记录现在无法保存，连接恢复后请重新打印。");
}

inline QString FormatSaved(const QString& formatName) {
    return QStringLiteral("格式“%1”已保存。").arg(formatName);
}
inline QString PagesPrinted(int pages) { return QStringLiteral("已打印 %1 页").arg(pages); }
inline QString BillAdded(qint64 number) { return QStringLiteral("已添加第 %1 张单据").arg(number); }
} // namespace ControllerText
#pragma GCC visibility pop
