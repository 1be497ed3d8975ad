#pragma once
// The texts the format-file code writes, shows or asks, in one place.
#include <QString>
#pragma GCC visibility push(hidden) // each part keeps its own copy (docs/ARCHITECTURE.md)

namespace FormatFileTexts {

// Format file layout.
inline const QString kFileHeader = QStringLiteral("<Corvane格式专用>");
inline const QString kFieldSeparator = QStringLiteral("】★【");
inline const QString kLabelBreak = QStringLiteral("‖‖‖");
inline const QString kMemBreak = QStringLiteral("♂♂");
inline const QString kCustomSection = QStringLiteral("[自定义内容]");
inline const QString kCustomValueOpen = QStringLiteral("=[");
inline const QString kCustomValueClose = QStringLiteral("][END]");
inline const QString kCustomTypePrefix = QStringLiteral("自定义类型");
inline const QString kFileExtension = QStringLiteral(".zhq");
inline const QString kPictureExtension = QStringLiteral(".jpg");
inline const QString kFileFilter = QStringLiteral("Vellumark格式(*.zhq)");

// Export.
inline const QString kExportCaption = QStringLiteral("导出格式");
inline const QString kChooseFormatCaption = QStringLiteral("请选择格式名称");
inline QString FileExists(const QString& path) {
    return QStringLiteral("文件：“") + path + QStringLiteral("”已经存在，是否覆盖？");
}
inline QString ExportDone(const QString& name) {
    return QStringLiteral("格式：“") + name + QStringLiteral("”导出完成！");
}
inline QString FormatMissing(const QString& name) {
    return QStringLiteral("格式：“") + name + QStringLiteral("”不存在！");
}
inline QString WriteFailed(const QString& path) {
    return QStringLiteral("文件：“") + path + QStringLiteral("”写入失败！");
}

// Import.
inline const QString kImportCaption = QStringLiteral("导入格式");
inline const QString kImporting = QStringLiteral("正在导入格式...");
inline const QString kNamePromptTitle = QStringLiteral("格式名输入");
inline const QString kFileInError = QStringLiteral("格式文件有错！");
inline QString Unrecognised(const QString& path) {
    return QStringLiteral("无法识别此文件，请确认文件：“") + path +
           QStringLiteral("”为Vellumark格式文件！");
}
inline QString NameTaken(const QString& name) {
    return QStringLiteral("格式：“") + name + QStringLiteral("”已存在，请另取格式名！");
}
inline QString ImportDone(const QString& name) {
    return QStringLiteral("格式“") + name + QStringLiteral("”导入成功");
}
inline QString ImportDoneOpenNow(const QString& name) {
    return ImportDone(name) + QStringLiteral(",立即调用此格式？");
}
inline QString ImportFailed(const QString& name) {
    return QStringLiteral("格式“") + name + QStringLiteral("”导入失败！");
}
// The two lines are joined with LF, where a Qt message box breaks them.
inline QString CannotOpen(const QString& path) {
    return QStringLiteral("无法打开下载文档：\n") + path;
}

} // namespace FormatFileTexts
#pragma GCC visibility pop
