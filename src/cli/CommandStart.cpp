#include "cli/CommandStart.h"

#include "cli/CliTexts.h"
#include "cli/CommandPassword.h"
#include "formatfile/FormatFileTexts.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QTextStream>

int UsageError(QTextStream& err, const QString& problem, const QString& usage) {
    if (!problem.isEmpty()) err << problem << Qt::endl;
    err << CliText::UsageLine(usage) << Qt::endl;
    return ExitCode::kUsage;
}

namespace {
StoreBodyWrapper bodyWrapper = nullptr;
} // namespace

void WrapStoreBodies(StoreBodyWrapper wrapper) { bodyWrapper = wrapper; }

int RunWithStore(QTextStream& err, const std::function<int(Database&)>& body) {
    if (!UnlockStoreForCommand(err)) return ExitCode::kFailed;
    const std::unique_ptr<Database> db = OpenStoreForCommand(err);
    if (!db || !LoginForCommand(*db, err)) return ExitCode::kFailed;
    return FinishStoreCommand(*db, bodyWrapper ? bodyWrapper(*db, body) : body(*db), err);
}

bool FormatExists(Database& db, const QString& name, QTextStream& err) {
    if (FormatStore(db).Exists(name)) return true;
    err << FormatFileTexts::FormatMissing(name) << Qt::endl;
    return false;
}

void NoteBusyWaitsOn(QTextStream& err) {
    BusyWait wait = Database::CurrentBusyWait();
    wait.watcher = [&err, noted = false](int waitedMs) mutable {
        if (waitedMs > 0 && !noted) err << StoreTexts::kBusyWaiting << Qt::endl;
        noted = waitedMs > 0;
    };
    Database::SetBusyWait(wait);
}

QString OnOneLine(QString value, const QString& marker) {
    return value.replace(QStringLiteral("\r\n"), marker).replace(QLatin1Char('\n'), marker);
}
