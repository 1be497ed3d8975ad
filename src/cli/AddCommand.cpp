#include "cli/AddCommand.h"

#include "cli/CommandBill.h"
#include "cli/CommandStart.h"
#include "document/FormatController.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

const QString kUsage = QStringLiteral("add 格式 [--set 标签=内容]... [--fill-dates]");

int AddFromStore(Database& db, const BillArgs& parsed, QTextStream& out, QTextStream& err) {
    return WithCommandBill(db, parsed, out, err, [](FormatController& controller, Asker&) {
        return controller.AddBill() ? ExitCode::kDone : ExitCode::kFailed;
    });
}

} // namespace

int RunAddCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString problem;
    BillArgs parsed;
    const std::optional<CommandArgs> read = CommandArgs::Read(args, BillOptions(), &problem);
    if (read) problem = ReadBillArgs(*read, parsed);
    if (!problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return AddFromStore(db, parsed, out, err); });
}

SubCommand AddSubCommand() {
    return {QStringLiteral("add"), kUsage,
            QStringLiteral("按录入方式填写一张单据（自动编号、日期、累加、关联）并存入历史记录，不打印，"
                           "同窗口的“添加下一张单据”"),
            SubCommand::Needs::Gui, RunAddCommand};
}
