#include "content/layout/FontMapping.h"

#include <QFont>
#include <QFontDatabase>

#include <utility>

namespace {

enum class Style { Serif, Sans };

struct WindowsFont {
    const char16_t* name;
    Style style;
};

// Song/Fang Song/Kai are brush styles: the serif face is the nearest installed match.
// Hei and YaHei are the sans faces.
constexpr WindowsFont kWindowsFonts[] = {
    {u"宋体", Style::Serif},         {u"SimSun", Style::Serif},
    {u"新宋体", Style::Serif},       {u"NSimSun", Style::Serif},
    {u"仿宋", Style::Serif},         {u"FangSong", Style::Serif},
    {u"仿宋_GB2312", Style::Serif},  {u"FangSong_GB2312", Style::Serif},
    {u"楷体", Style::Serif},         {u"KaiTi", Style::Serif},
    {u"楷体_GB2312", Style::Serif},  {u"KaiTi_GB2312", Style::Serif},
    {u"黑体", Style::Sans},          {u"SimHei", Style::Sans},
    {u"微软雅黑", Style::Sans},      {u"Microsoft YaHei", Style::Sans},
    {u"Microsoft YaHei UI", Style::Sans},
};

const QStringList& Candidates(Style style) {
    static const QStringList serif = {QStringLiteral("Noto Serif CJK SC"),
                                      QStringLiteral("Noto Sans CJK SC")};
    static const QStringList sans = {QStringLiteral("Noto Sans CJK SC"),
                                     QStringLiteral("Noto Serif CJK SC")};
    return style == Style::Serif ? serif : sans;
}

// Only families that are installed; a missing one would just fall through to fontconfig.
QStringList Installed(const QStringList& families, const QStringList& available) {
    QStringList result;
    for (const QString& family : families)
        if (available.contains(family, Qt::CaseInsensitive)) result << family;
    return result;
}

// The installed substitutes of a style, found once: every font a bill draws is named
// through them, and listing the installed families costs more than the rest of the
// name's lookup. The program adds no fonts while it runs.
const QStringList& InstalledCandidates(Style style) {
    static const auto installed = [] {
        const QStringList available = QFontDatabase::families();
        return std::pair{Installed(Candidates(Style::Serif), available),
                         Installed(Candidates(Style::Sans), available)};
    }();
    return style == Style::Serif ? installed.first : installed.second;
}

} // namespace

QStringList ChineseFontSubstitutes(const QString& windowsFontName) {
    const QString wanted = windowsFontName.trimmed();
    for (const WindowsFont& font : kWindowsFonts)
        if (wanted.compare(QString::fromUtf16(font.name), Qt::CaseInsensitive) == 0)
            return InstalledCandidates(font.style);
    return {};
}

void InstallChineseFontSubstitutions() {
    for (const WindowsFont& font : kWindowsFonts) {
        const QString name = QString::fromUtf16(font.name);
        const QStringList& substitutes = InstalledCandidates(font.style);
        if (substitutes.isEmpty()) continue;
        QFont::removeSubstitutions(name); // a second call must not stack duplicates
        QFont::insertSubstitutions(name, substitutes);
    }
}
