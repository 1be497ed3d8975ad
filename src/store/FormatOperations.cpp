#include "store/FormatOperations.h"

#include "core/Asker.h"
#include "store/FormatStore.h"
#include "store/StoreTexts.h"

#include <QFile>

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

namespace {

// Copies through a temporary file so a half-written picture never takes the name.
bool CopyPicture(const QString& from, const QString& to) {
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(from, partial)) return false;
    if (QFile::rename(partial, to)) return true;
    QFile::remove(partial);
    return false;
}

} // namespace

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

    const QString picture = BackgroundPicturePath(oldName);
    const QString newPicture = BackgroundPicturePath(newName);
    if (QFile::exists(picture) && !QFile::exists(newPicture)) CopyPicture(picture, newPicture);
    return SaveAsOutcome::Saved;
}
