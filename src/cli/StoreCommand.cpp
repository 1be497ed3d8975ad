#include "cli/StoreCommand.h"

#include "cli/CommandStart.h"
#include "cli/StoreCopyCommand.h"
#include "store/Database.h"
#include "store/ServerSchema.h"
#include "store/StoreLocation.h"
#include "store/StoreTexts.h"

#include <QTextStream>

namespace {
const QString kUsage = QStringLiteral(
    "store init 服务器地址 | store grant 用户 clerk|designer"
    " | store copy --from 数据文件夹|服务器地址 --to 数据文件夹|服务器地址 [--replace]");

// The server store at `location`, or nullptr after telling `err` why not.
std::unique_ptr<Database> ConnectServer(const QString& location, QTextStream& err) {
    if (!StoreLocation::IsServerLocation(location)) {
        err << StoreTexts::NotAServer(location) << Qt::endl;
        return nullptr;
    }
    QString reason;
    std::unique_ptr<Database> db = Database::OpenServer(location, &reason);
    if (!db) err << StoreTexts::ServerAway(reason) << Qt::endl;
    return db;
}

int Failed(Database& db, QTextStream& err) {
    err << (db.LastFault() == StoreFault::Refused ? StoreTexts::kServerRefused
                                                  : StoreTexts::ServerAway(db.Path() + QStringLiteral("：")
                                                                           + db.LastError()))
        << Qt::endl;
    return ExitCode::kFailed;
}

int Init(const QString& location, QTextStream& out, QTextStream& err) {
    const std::unique_ptr<Database> db = ConnectServer(location, err);
    if (!db) return ExitCode::kFailed;
    if (!InitServerStore(*db)) return Failed(*db, err);
    out << StoreTexts::ServerStoreReady(db->Path()) << Qt::endl;
    return 0;
}

int Grant(const QString& user, const QString& role, QTextStream& out, QTextStream& err) {
    const std::unique_ptr<Database> db = ConnectServer(StoreLocation::Server(), err);
    if (!db) return ExitCode::kFailed;
    if (!GrantServerRole(*db, user, role)) return Failed(*db, err);
    out << StoreTexts::RoleGranted(user, role) << Qt::endl;
    return 0;
}
} // namespace

int RunStoreCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString action = args.value(0);
    if (action == QLatin1String("copy")) return RunStoreCopy(args.mid(1), out, err);
    if (action == QLatin1String("init") && args.size() == 2 && !args[1].isEmpty())
        return Init(args[1], out, err);
    if (action == QLatin1String("grant") && args.size() == 3 && !args[1].isEmpty()) {
        if (args[2] != QLatin1String("clerk") && args[2] != QLatin1String("designer"))
            return UsageError(err, StoreTexts::UnknownRole(args[2]), kUsage);
        return Grant(args[1], args[2], out, err);
    }
    return UsageError(err, StoreTexts::kStoreCommandMisused, kUsage);
}

SubCommand StoreSubCommand() {
    return {QStringLiteral("store"), kUsage,
            QStringLiteral("建立共享的数据库服务器存储，给用户设定角色，在存储之间复制全部数据"),
            SubCommand::Needs::Core, RunStoreCommand};
}
