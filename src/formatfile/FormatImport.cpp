#include "formatfile/FormatImport.h"

#include "formatfile/FormatExport.h"
#include "formatfile/FormatFileTexts.h"
#include "formatfile/StoredFormatFile.h"
#include "formatfile/TextFiles.h"
#include "core/Asker.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/NameRules.h"
#include "core/Progress.h"

#include <QFile>
#include <QFileInfo>

using namespace FormatFileTexts;

namespace {

// Asks until the name is usable; nullopt when the user gives up.
std::optional<QString> AskForFreeName(Database& db, Asker& asker, QString name) {
    for (;;) {
        const NameProblem problem = CheckImportName(db, name);
        if (problem == NameProblem::None) return name;
        if (problem == NameProblem::Unusable)
            asker.Message(NameProblemText(problem, name));
        const QString prompt = problem == NameProblem::Taken ? NameTaken(name) : kNamePromptTitle;
        const std::optional<QString> answer = asker.AskText(prompt, name, kNamePromptTitle);
        if (!answer || answer->trimmed().isEmpty()) return std::nullopt;
        name = answer->trimmed();
    }
}

} // namespace

QString ProposedFormatName(const QString& path, const FormatFileContent& content) {
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? content.nameLine : base;
}

NameProblem CheckImportName(Database& db, const QString& name) {
    if (name.trimmed().isEmpty()) return NameProblem::Empty;
    if (!FormatNameFault(name).isEmpty()) return NameProblem::Unusable;
    return FormatStore(db).Exists(name) ? NameProblem::Taken : NameProblem::None;
}

QString NameProblemText(NameProblem problem, const QString& name) {
    switch (problem) {
    case NameProblem::None: return {};
    case NameProblem::Empty: return kNamePromptTitle;
    case NameProblem::Unusable: return FormatNameFault(name);
    case NameProblem::Taken: return NameTaken(name);
    }
    return {};
}

StoreOutcome StoreFormatFile(Database& db, const FormatFileContent& content, const QString& name,
                             const QString& path) {
    StoreOutcome outcome;
    // The picture beside the file is read first and stored with the rows (on a server in
    // their transaction); it is taken away again when the rows cannot be committed. A
    // picture left by a deleted format of the same name is replaced.
    const QString source = PictureBesideFile(path);
    std::optional<QByteArray> picture;
    if (QFileInfo(source).isFile()) {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            outcome.problem = WriteFailed(BackgroundPicturePath(name));
            return outcome;
        }
        picture = file.readAll();
    }
    BackgroundPictures pictures(db);
    Database::Transaction transaction(db);
    if (!StoreImportedFormat(db, content, name)) {
        outcome.problem = ImportFailed(name);
        return outcome;
    }
    if (picture && !pictures.Write(name, *picture)) {
        outcome.problem = WriteFailed(BackgroundPicturePath(name));
        return outcome;
    }
    if (!transaction.Commit()) {
        if (picture) pictures.Remove(name);
        outcome.problem = ImportFailed(name);
        return outcome;
    }
    outcome.stored = true;
    return outcome;
}

ImportResult ImportFormat(const QString& path, Asker& asker, Database& db, Progress& progress) {
    ImportResult result;
    const QString file = path.isEmpty() ? asker.ChooseOpenFile(kImportCaption, kFileFilter) : path;
    if (file.isEmpty() || !QFileInfo(file).isFile()) return result;
    ProgressScope progressScope(progress, kImporting, 4);

    if (QFileInfo(file).size() > kMaxFormatFileBytes) {
        asker.Message(kFileInError);
        return result;
    }
    const QByteArray bytes = ReadTextFile(file, false, asker);
    if (bytes.isEmpty()) return result;
    progressScope.Step();

    const ParsedFormatFile parsed = ParseFormatFileBytes(bytes);
    if (parsed.error != FormatFileError::None) {
        asker.Message(parsed.error == FormatFileError::Unrecognised ? Unrecognised(file)
                                                                     : kFileInError);
        return result;
    }
    progressScope.Step();

    const std::optional<QString> name =
        AskForFreeName(db, asker, ProposedFormatName(file, parsed.content));
    if (!name) return result;
    const StoreOutcome stored = StoreFormatFile(db, parsed.content, *name, file);
    progressScope.Step();
    if (!stored.problem.isEmpty()) asker.Message(stored.problem);
    if (!stored.stored) return result;
    progressScope.Step();

    result.imported = true;
    result.name = *name;
    result.openNow = asker.AskYesNo(ImportDoneOpenNow(*name));
    return result;
}
