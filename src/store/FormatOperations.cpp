#include "store/FormatOperations.h"

#include "core/Asker.h"
#include "store/BackgroundPictures.h"
#include "store/FormatStore.h"
#include "store/StoreTexts.h"


bool DeleteFormat(FormatStore& store, Asker& asker, const QString& name,
                  const QString& currentName) {
    if (name == currentName) {
        asker.Message(StoreTexts::kCurrentFormatNotDeletable);
        return false;
    }
    if (!asker.AskYesNo(StoreTexts::ConfirmDeleteFormat(name))) return false;
    if (store.DeleteFormatRows(name)) return true;
    if (store.RefusedWhilePrinting())
        asker.Message(StoreTexts::FormatPrinting(name, StoreTexts::kDeleteVerb));
    return false;
}

SaveOutcome SaveOpenFormat(FormatStore& store, Asker& asker, Format& format,
                           qint64 screenWidthTwips, Progress& progress) {
    if (store.SaveFormat(format, QString(), screenWidthTwips, progress)) return SaveOutcome::Saved;
    if (!store.ChangedElsewhere()) return SaveOutcome::Failed;
    if (!asker.AskYesNo(StoreTexts::FormatChangedElsewhere(format.name))) return SaveOutcome::Reload;
    // Saved over the version stored now; a third seat saving meanwhile is asked about again.
    if (!store.AcceptStoredVersion(format.name)) return SaveOutcome::Failed;
    if (store.SaveFormat(format, QString(), screenWidthTwips, progress)) return SaveOutcome::Saved;
    return store.ChangedElsewhere() ? SaveOpenFormat(store, asker, format, screenWidthTwips, progress)
                                    : SaveOutcome::Failed;
}

SaveAsOutcome SaveFormatAs(FormatStore& store, Asker& asker, Format& current,
                           const QString& newName, qint64 screenWidthTwips, Progress& progress) {
    if (newName.isEmpty()) return SaveAsOutcome::Declined;
    // Asked before anything is touched, so No leaves both formats as they were.
    if (store.Exists(newName) && !asker.AskYesNo(StoreTexts::kOverwriteFormat))
        return SaveAsOutcome::Declined;

    const QString oldName = current.name;
    if (!store.SaveAs(current, newName, screenWidthTwips, progress)) return SaveAsOutcome::Failed;

    // The copy takes the picture along unless one is already kept under the new name.
    BackgroundPictures pictures(store.Db());
    if (pictures.Exists(oldName) && !pictures.Exists(newName)) pictures.Write(newName, pictures.Read(oldName));
    return SaveAsOutcome::Saved;
}
