#include "content/layout/InterfaceFont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

// Sans (Hei) faces with Simplified Chinese glyphs, best first.
const QStringList& CjkSansFamilies() {
    static const QStringList families = {
        QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
        QStringLiteral("Source Han Sans CN"),  QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("WenQuanYi Zen Hei"),   QStringLiteral("Droid Sans Fallback"),
    };
    return families;
}

// The family Qt reports when no desktop theme named a font.
bool IsGenericFamily(const QString& family) {
    static const QStringList generic = {QStringLiteral("Sans Serif"), QStringLiteral("sans-serif"),
                                        QStringLiteral("Sans"), QString()};
    return generic.contains(family, Qt::CaseInsensitive);
}

QString FirstInstalledCjkSans(const QStringList& installed) {
    for (const QString& family : CjkSansFamilies())
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    return {};
}

} // namespace

QFont InterfaceFont(const QFont& desktopFont, const QStringList& installedFamilies) {
    const QString cjkSans = FirstInstalledCjkSans(installedFamilies);
    if (cjkSans.isEmpty()) return desktopFont;
    QFont font = desktopFont;
    const QString desktopFamily = desktopFont.family();
    if (IsGenericFamily(desktopFamily) || desktopFamily.compare(cjkSans, Qt::CaseInsensitive) == 0)
        font.setFamilies({cjkSans});
    else
        font.setFamilies({desktopFamily, cjkSans});
    return font;
}

void UseInterfaceFont() {
    QGuiApplication::setFont(InterfaceFont(QGuiApplication::font(), QFontDatabase::families()));
}
