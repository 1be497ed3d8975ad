#include "picture/OutputPicture.h"

#include "picture/JpegFile.h"
#include "picture/PictureTexts.h"
#include "core/Asker.h"

#include <QFileInfo>
#include <QImage>

QString WithJpgExtension(const QString& chosen) {
    return chosen.endsWith(PictureText::kExtension, Qt::CaseSensitive)
               ? chosen
               : chosen + PictureText::kExtension;
}

bool OutputPicture(const QImage& shownPage, Asker& asker) {
    const QString chosen = asker.ChooseSaveFile(PictureText::kCaption, PictureText::kFilter,
                                                PictureText::kSuggestedName);
    if (chosen.isEmpty()) return false;
    const QString path = WithJpgExtension(chosen);
    if (QFileInfo::exists(path) && !asker.AskYesNo(PictureText::OverwriteQuestion(path)))
        return false;
    if (SaveJpg(shownPage, path)) return true;
    asker.Message(PictureText::kSaveFailed);
    return false;
}
