#pragma once
// The texts of saving a bill as a picture, kept in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace PictureText {
inline const QString kCaption = QStringLiteral("导出图片");
inline const QString kFilter = QStringLiteral("JPEG格式(*.jpg)");
inline const QString kSuggestedName = QStringLiteral("*.jpg");
inline const QString kExtension = QStringLiteral(".jpg");
inline const QString kSaveFailed = QStringLiteral("保存图片出错！");
inline QString OverwriteQuestion(const QString& path) {
    return QStringLiteral("文件“") + path + QStringLiteral("”已存在，是否覆盖？");
}
} // namespace PictureText
#pragma GCC visibility pop
