#pragma once
// The texts of the format tree and of renaming and deleting formats, in one place.
#include "store/StoreTexts.h"

#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace FormatTreeTexts {

inline const QString kRootText = QStringLiteral("[Vellumark格式列表]");
inline const QString kRootKey = QStringLiteral("D0");
inline const QString kClassKeyPrefix = QStringLiteral("C");
inline const QString kFormatKeyPrefix = QStringLiteral("F");

// Popup commands.
inline const QString kAddClass = QStringLiteral("添加格式分类");
inline const QString kDelete = QStringLiteral("删除");
inline const QString kRename = QStringLiteral("改名");

inline const QString kClassNamePrompt = QStringLiteral("请输入分类名称：");
inline const QString& kBadClassName = StoreTexts::kReservedInClassName;
inline QString ClassExists(const QString& name) {
    return QStringLiteral("分类名称“") + name + QStringLiteral("”已经存在！");
}
inline const QString kConfirmDeleteClass =
    QStringLiteral("删除此类将删除此类包含的所有格式模板，您确定要删除？");
inline const QString kNewNamePrompt = QStringLiteral("请输入新的名称：");
inline const QString& kBadName = StoreTexts::kReservedInName;
inline QString RenamedClassExists(const QString& name) {
    return QStringLiteral("分类“") + name + QStringLiteral("”已经存在！");
}
inline QString FormatExists(const QString& name) {
    return QStringLiteral("格式名称“") + name + QStringLiteral("”已经存在！");
}

// Where no message of the program's own exists.
inline QString PictureInTheWay(const QString& path) {
    return QStringLiteral("底图文件：“") + path + QStringLiteral("”已经存在，格式未改名！");
}
inline QString RenameFailed(const QString& name) {
    return QStringLiteral("格式“") + name + QStringLiteral("”改名失败！");
}
inline QString DeleteFailed(const QString& name) {
    return QStringLiteral("格式“") + name + QStringLiteral("”删除失败！");
}

} // namespace FormatTreeTexts
#pragma GCC visibility pop
