#include "cli/DesignFromScanCommand.h"

#include "cli/CommandStart.h"

#include <QTextStream>

namespace {

DesignFromScanRunner scanRunner = nullptr;

const QString kNoScanModule = QStringLiteral("无法载入扫描图识别模块");

int Run(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (scanRunner) return scanRunner(args, out, err);
    err << kNoScanModule << Qt::endl;
    return ExitCode::kFailed;
}

} // namespace

void UseDesignFromScanRunner(DesignFromScanRunner runner) { scanRunner = runner; }

QString DesignFromScanUsage() {
    return QStringLiteral("design-from-scan 扫描图 (--name 新格式名 | --format 格式名) [--size 宽x高] [--dpi 分辨率] [--json]");
}

SubCommand DesignFromScanSubCommand() {
    return {QStringLiteral("design-from-scan"), DesignFromScanUsage(), QStringLiteral("从扫描的空白单据生成格式的内容框"),
            SubCommand::Needs::Widgets, Run};
}
