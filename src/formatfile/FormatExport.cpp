#include "formatfile/FormatExport.h"

#include "formatfile/FormatFileTexts.h"
#include "formatfile/StoredFormatFile.h"
#include "formatfile/TextFiles.h"
#include "core/Asker.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QFileInfo>

using namespace FormatFileTexts;

QString WithFormatExtension(const QString& path) {
    return path.endsWith(kFileExtension, Qt::CaseInsensitive) ? path : path + kFileExtension;
}

QString PictureBesideFile(const QString& path) { return path.chopped(4) + kPictureExtension; }

ExportOutcome WriteFormatFile(Database& db, const QString& name, const QString& path) {
    ExportOutcome outcome;
    const std::optional<FormatFileContent> content = ReadStoredFormat(db, name);
    if (!content) {
        outcome.formatMissing = true;
        return outcome;
    }
    outcome.writtenPath = SaveTextFile(ComposeFormatFile(*content), path);
    if (outcome.writtenPath.isEmpty()) {
        outcome.failedPath = path;
        return outcome;
    }
    // Beside the name asked for: a reader looks for it there.
    const QByteArray picture = BackgroundPictures(db).Read(name);
    if (!picture.isEmpty() && !WriteWholeFile(PictureBesideFile(path), picture))
        outcome.failedPath = PictureBesideFile(path);
    return outcome;
}

bool ExportFormat(const QString& name, Asker& asker, Database& db) {
    QString chosen = name;
    if (chosen.isEmpty()) {
        const QStringList names = FormatStore(db).FormatNames();
        const std::optional<int> index = asker.ChooseItem(kChooseFormatCaption, names);
        if (!index || *index < 0 || *index >= names.size()) return false;
        chosen = names[*index];
    }
    if (!FormatStore(db).LoadPageParams(chosen)) {
        asker.Message(FormatMissing(chosen));
        return false;
    }

    const QString suggested = BackgroundPicturePath(chosen).chopped(kPictureExtension.size());
    QString path = asker.ChooseSaveFile(kExportCaption, kFileFilter, suggested);
    if (path.isEmpty()) return false;
    path = WithFormatExtension(path);
    if (QFileInfo::exists(path) && !asker.AskYesNo(FileExists(path))) return false;

    const ExportOutcome outcome = WriteFormatFile(db, chosen, path);
    if (outcome.formatMissing) {
        asker.Message(FormatMissing(chosen));
        return false;
    }
    if (!outcome.failedPath.isEmpty()) {
        asker.Message(WriteFailed(outcome.failedPath));
        return false;
    }
    asker.Message(ExportDone(chosen));
    return true;
}
