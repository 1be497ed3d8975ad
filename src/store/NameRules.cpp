#include "store/NameRules.h"

#include "store/FormatStore.h"
#include "store/StoreTexts.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {
// Used when the file system does not say.
constexpr long kUsualNameMax = 255;
constexpr long kUsualPathMax = 4096;

// Separators of the stored format tree; format names also keep out the quotes.
const QString kTreeSeparators = QStringLiteral("\\/|,");
const QString kFormatReserved = QStringLiteral("\\/|,'\"");

bool HasAnyOf(const QString& name, const QString& characters) {
    for (QChar c : characters)
        if (name.contains(c)) return true;
    return false;
}

long Limit(const QString& folder, int name, long fallback) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), name);
    return limit > 0 ? limit : fallback;
}
} // namespace

bool HasControlCharacters(const QString& name) {
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    return false;
}

bool FitsAsPictureFileName(const QString& formatName) {
    const QString path = BackgroundPicturePath(formatName);
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    return QFile::encodeName(info.fileName()).size() <= Limit(folder, _PC_NAME_MAX, kUsualNameMax)
           && QFile::encodeName(path).size() < Limit(folder, _PC_PATH_MAX, kUsualPathMax);
}

QString FormatNameFault(const QString& name) {
    if (HasAnyOf(name, kFormatReserved)) return StoreTexts::kReservedInName;
    if (HasControlCharacters(name)) return StoreTexts::kNameHasControlCharacters;
    if (!FitsAsPictureFileName(name)) return StoreTexts::kNameTooLongForFile;
    return {};
}

QString ClassNameFault(const QString& name) {
    if (HasAnyOf(name, kTreeSeparators)) return StoreTexts::kReservedInClassName;
    return HasControlCharacters(name) ? StoreTexts::kNameHasControlCharacters : QString();
}

QString RenamedClassNameFault(const QString& name) {
    if (HasAnyOf(name, kFormatReserved)) return StoreTexts::kReservedInName;
    return HasControlCharacters(name) ? StoreTexts::kNameHasControlCharacters : QString();
}
