#pragma once
// The texts the store shows or asks, in one place.
#include <QString>

namespace StoreTexts {
inline const QString kNoConnection = QStringLiteral("无法建立数据库连接！");
inline const QString kSavingFormat = QStringLiteral("正在保存格式……");
inline const QString kCurrentFormatNotDeletable = QStringLiteral("此格式为当前格式，不允许删除！");
inline QString ConfirmDeleteFormat(const QString& name) {
    return QStringLiteral("您确定要删除格式：“") + name + QStringLiteral("”？");
}
inline const QString kOverwriteFormat = QStringLiteral("该格式已经存在，是否覆盖？");
inline const QString kNoDatabaseToCompact = QStringLiteral("没有找到要压缩的数据库文件！");
inline const QString kCompacting = QStringLiteral("开始压缩数据库……");
inline QString CompactionFailed(int code, const QString& text) {
    return QStringLiteral("数据库压缩失败（") + QString::number(code) + text + QStringLiteral("）！");
}
inline const QString kWrongPassword = QStringLiteral("密码错误！");
inline const QString kNewPasswordsDiffer = QStringLiteral("两次输入的新密码不相符！");
} // namespace StoreTexts
