#include "cli/SamplesCommand.h"

#include "app/SampleFormats.h"
#include "cli/CliTexts.h"
#include "cli/CommandStart.h"
#include "core/Progress.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

const QString kName = QStringLiteral("create-samples");

int RunCreateSamples(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (!args.isEmpty()) return UsageError(err, CliText::NoArguments(kName), kName);
    return RunWithStore(err, [&](Database& db) {
        SilentProgress progress;
        QString error;
        const QStringList created = CreateSampleFormats(db, progress, &error);
        for (const QString& name : created) out << QStringLiteral("已创建示例格式：") << name << Qt::endl;
        if (!error.isEmpty()) {
            err << error << Qt::endl;
            return ExitCode::kFailed;
        }
        if (created.isEmpty()) out << QStringLiteral("示例格式都已存在") << Qt::endl;
        return ExitCode::kDone;
    });
}

} // namespace

SubCommand SamplesSubCommand() {
    return {kName, kName, QStringLiteral("创建三个示例格式（银行进账单、快递运单、地址标签）"), SubCommand::Needs::Gui,
            RunCreateSamples};
}
