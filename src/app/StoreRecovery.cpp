#include "app/StoreRecovery.h"

#include "core/Asker.h"
#include "store/Backups.h"
#include "store/StoreTexts.h"

bool UserWantsBackup(Asker& asker, const QString& damage) {
    const QStringList backups = BackupFiles();
    if (backups.isEmpty()) {
        asker.Message(damage + QLatin1Char('\n') + StoreTexts::kNoBackup);
        return false;
    }
    return asker.AskYesNo(damage + QLatin1Char('\n') + StoreTexts::OfferRestore(backups.first()));
}

bool RestoreNewestBackup(Asker& asker) {
    const QString newest = BackupFiles().value(0);
    const RestoreOutcome outcome = RestoreBackup(newest);
    asker.Message(outcome.restored ? StoreTexts::Restored(newest, outcome.keptAs) : outcome.problem);
    return outcome.restored;
}

bool RestoreAfterDamage(Asker& asker, const QString& damage) {
    return UserWantsBackup(asker, damage) && RestoreNewestBackup(asker);
}
