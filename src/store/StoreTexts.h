#pragma once
// The texts the store shows or asks, in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace StoreTexts {
inline const QString kNoConnection = QStringLiteral("无法建立数据库连接！");
inline const QString kSavingFormat = QStringLiteral("正在保存格式……");
inline const QString kCurrentFormatNotDeletable = QStringLiteral("此格式为当前格式，不允许删除！");
inline QString ConfirmDeleteFormat(const QString& name) {
    return QStringLiteral("您确定要删除格式：“") + name + QStringLiteral("”？");
}
// A print job holds the format: `change` is 改名, 删除 or 保存.
inline QString FormatPrinting(const QString& name, const QString& change) {
    return QStringLiteral("格式“") + name + QStringLiteral("”正在打印，请稍后再") + change;
}
inline const QString kRenameVerb = QStringLiteral("改名");
inline const QString kDeleteVerb = QStringLiteral("删除");
inline const QString kSaveVerb = QStringLiteral("保存");
inline const QString kOverwriteFormat = QStringLiteral("该格式已经存在，是否覆盖？");
inline const QString kNoDatabaseToCompact = QStringLiteral("没有找到要压缩的数据库文件！");
inline const QString kCompacting = QStringLiteral("开始压缩数据库……");
inline QString CompactionFailed(int code, const QString& text) {
    return QStringLiteral("数据库压缩失败（") + QString::number(code) + text + QStringLiteral("）！");
}
inline const QString kWrongPassword = QStringLiteral("密码错误！");
inline const QString kNewPasswordsDiffer = QStringLiteral("两次输入的新密码不相符！");

// The store's health: a damaged file, a busy lock, an unusable data folder.
inline QString Damaged(const QString& path) {
    return QStringLiteral("数据库文件“") + path + QStringLiteral("”已损坏！");
}
inline const QString kRestoreHint =
    QStringLiteral("可以用 vellumark restore-backup 恢复最近的备份。");
inline const QString kNoBackup = QStringLiteral("没有可以恢复的备份。");
inline QString OfferRestore(const QString& backup) {
    return QStringLiteral("是否用最近的备份“") + backup + QStringLiteral("”恢复数据库？");
}
inline QString Restored(const QString& backup, const QString& keptAs) {
    QString text = QStringLiteral("已用备份“") + backup + QStringLiteral("”恢复数据库。");
    if (!keptAs.isEmpty()) text += QStringLiteral("原来的文件保留为“") + keptAs + QStringLiteral("”。");
    return text;
}
inline QString BackupUnusable(const QString& backup) {
    return QStringLiteral("备份文件“") + backup + QStringLiteral("”无法使用！");
}
inline QString RestoreFailed(const QString& reason) {
    return QStringLiteral("恢复备份失败：") + reason;
}
inline const QString kWindowStillOpen = QStringLiteral("请先关闭此数据文件夹的窗口。");
inline const QString kBusyWaiting = QStringLiteral("数据库正忙，请稍候…");
inline const QString kBusy = QStringLiteral("数据库正忙，请稍后再试！");
inline const QString kDiskFull = QStringLiteral("磁盘空间已满，数据未能保存！");
// A server store: the server names itself in `where` (host, port, database) or in
// the connection library's reason.
inline QString ServerAway(const QString& where) {
    return QStringLiteral("无法连接数据库服务器：") + where;
}
// The status bar while the server is away, and once it answers again.
inline QString ServerRetrying(const QString& where) {
    return ServerAway(where) + QStringLiteral("（正在重试…）");
}
inline const QString kServerBack = QStringLiteral("已重新连接数据库服务器。");
inline const QString kServerRefused =
    QStringLiteral("数据库服务器拒绝了此操作：当前用户没有这项权限（格式、映射和参数只能由设计人员修改）。");
// Setting up a server store.
inline QString NotAServer(const QString& location) {
    return QStringLiteral("“") + location
           + QStringLiteral("”不是数据库服务器地址（应为 postgresql://用户@主机[:端口]/数据库 或 key=value 形式的连接串）");
}
inline QString ServerStoreReady(const QString& where) {
    return QStringLiteral("已在 ") + where + QStringLiteral(" 建立数据表和角色 vellumark_designer、vellumark_clerk");
}
inline QString RoleGranted(const QString& user, const QString& role) {
    return QStringLiteral("用户“%1”现在是%2").arg(user, role == QLatin1String("designer")
                                                          ? QStringLiteral("设计人员（designer）")
                                                          : QStringLiteral("操作员（clerk）"));
}
inline QString UnknownRole(const QString& role) {
    return QStringLiteral("没有角色“%1”，应为 clerk 或 designer").arg(role);
}
inline QString FormatChangedElsewhere(const QString& name) {
    return QStringLiteral("格式“%1”已被其他用户修改，是否覆盖？").arg(name);
}
inline const QString kStoreTitle = QStringLiteral("数据库连接");
inline const QString kStorePrompt = QStringLiteral(
    "数据库服务器地址（如 postgresql://用户@主机:5432/数据库）；留空则使用本机的数据文件：");
inline const QString kStoreChosen = QStringLiteral("数据库连接已保存，重新启动程序后生效。");
inline const QString kStoreChosenNoPassword = QStringLiteral(
    "数据库连接已保存，重新启动程序后生效。密码不保存在设置中，请把它写入 ~/.pgpass 密码文件。");
inline const QString kStoreCommandMisused =
    QStringLiteral("store 需要 init 服务器地址、grant 用户 角色 或 copy --from 来源 --to 目标");
// Copying a whole store.
inline QString StoreNotEmpty(const QString& where) {
    return QStringLiteral("“%1”中已有数据，没有复制；要先清空它再复制，请加 --replace").arg(where);
}
inline QString StoreCopyFailed(const QString& reason) { return QStringLiteral("存储没有复制：") + reason; }
inline QString PicturesNotCopied(const QString& folder) {
    return QStringLiteral("数据已复制，但底图没有全部写入“%1”").arg(folder);
}
inline QString StoreCopied(const QString& where) { return QStringLiteral("已复制到 %1：").arg(where); }
inline const QString kCopiedCounts =
    QStringLiteral("格式 %1 个，底图 %2 张，单据 %3 张，默认值 %4 条，映射 %5 条，参数 %6 条，打印机配置 %7 条");
inline const QString kChooseAuthority = QStringLiteral("选择签发服务器证书的机构（CA）的证书文件");
inline const QString kAuthorityFilter = QStringLiteral("证书文件(*.crt *.pem *.cer);;所有文件(*)");
inline QString FolderUnusable(const QString& folder, const QString& reason) {
    return QStringLiteral("数据文件夹“") + folder + QStringLiteral("”无法使用：") + reason;
}
inline const QString kIsAFile = QStringLiteral("这是一个文件，不是文件夹");
inline const QString kCannotCreate = QStringLiteral("无法创建文件夹");
inline const QString kNotWritable = QStringLiteral("没有写入权限");
inline const QString kReadOnlyFileSystem = QStringLiteral("文件系统是只读的");
inline const QString kFolderDiskFull = QStringLiteral("磁盘空间已满");
inline const QString kDatabaseReadOnly = QStringLiteral("数据库文件是只读的");

// Names of formats and classes.
inline const QString kReservedInName = QStringLiteral("名称不能包含字符： / \\ | , ' ！");
inline const QString kReservedInClassName = QStringLiteral("分类名称不能包含字符： / \\ | , ！");
inline const QString kNameHasControlCharacters =
    QStringLiteral("名称不能包含换行符等控制字符！");
inline const QString kNameTooLongForFile = QStringLiteral("名称太长，无法用作文件名！");
} // namespace StoreTexts
#pragma GCC visibility pop
