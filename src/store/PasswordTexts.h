#pragma once
// The texts of the login password that the window and the command line share.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace PasswordText {
inline const QString kSetWarning = QStringLiteral(
    "设置密码后，数据库文件将以此密码加密，数据文件夹中的备份也以同样的方式加密。\n"
    "忘记密码将无法找回任何数据！\n确定要设置这个密码吗？");
inline const QString kOfferRecoveryFile = QStringLiteral(
    "是否保存恢复文件？\n忘记密码时，可用它恢复备份（vellumark restore-backup --recovery-file 文件）。\n"
    "恢复文件与密码同样重要，请存放在安全的地方。");
inline const QString kRecoveryCaption = QStringLiteral("保存恢复文件");
inline const QString kRecoveryFilter = QStringLiteral("恢复文件(*.key)");
inline const QString kRecoverySuggested = QStringLiteral("vellumark-recovery.key");
inline const QString kRecoveryNotWritten = QStringLiteral("无法写入恢复文件：%1");
inline const QString kNotStored = QStringLiteral("无法更改密码：数据库正被其他程序使用，请关闭后重试。");
} // namespace PasswordText

namespace PasswordText {
inline const QString kPasswordNeeded = QStringLiteral(
    "数据库已设置登录密码：请在终端中输入密码，或用 --password-file 文件（只允许所有者读取）"
    "或环境变量 VELLUMARK_PASSWORD 给出密码。");
inline const QString kPrompt = QStringLiteral("请输入登录密码：");
inline const QString kBackupPrompt = QStringLiteral("请输入这个备份的密码：");
inline QString FileNotPrivate(const QString& path) {
    return QStringLiteral("密码文件 %1 不存在或其他用户也可读写，拒绝使用（请执行 chmod 600）。").arg(path);
}
inline QString NotRecoveryFile(const QString& path) {
    return QStringLiteral("%1 不是恢复文件。").arg(path);
}
inline QString RecoveryFileNoMatch(const QString& path) {
    return QStringLiteral("恢复文件 %1 打不开这个备份。").arg(path);
}
inline const QString kPasswordCleared =
    QStringLiteral("已用恢复文件恢复：登录密码已清除，请重新设置（vellumark password --new-file 文件）。");
inline const QString kPasswordSet = QStringLiteral("登录密码已设置。");
inline const QString kPasswordRemoved = QStringLiteral("登录密码已清除。");
inline const QString kNewOrClear = QStringLiteral("须给出 --new-file 文件 或 --clear 之一");
inline const QString kEmptyNewPassword = QStringLiteral("新密码文件是空的；清除密码请用 --clear");
} // namespace PasswordText
#pragma GCC visibility pop
