#include "designer/FontChoices.h"

#include "content/layout/FontMapping.h"

namespace {
QString WithoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return family.endsWith(QLatin1Char(']')) && bracket > 0 ? family.left(bracket) : family;
}

int IndexOf(const QStringList& families, const QString& name) {
    for (int i = 0; i < families.size(); ++i)
        if (families[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}
} // namespace

FontChoices MakeFontChoices(const QStringList& installed, const QString& boxFont) {
    FontChoices choices;
    for (const char16_t* name : {u"宋体", u"黑体", u"楷体", u"仿宋", u"微软雅黑"}) {
        const QString windowsName = QString::fromUtf16(name);
        if (!ChineseFontSubstitutes(windowsName).isEmpty()) choices.families << windowsName;
    }
    for (const QString& family : installed) {
        const QString plain = WithoutFoundry(family);
        if (IndexOf(choices.families, plain) < 0) choices.families << plain;
    }
    const QString wanted = boxFont.trimmed();
    if (wanted.isEmpty()) return choices;
    choices.current = IndexOf(choices.families, wanted);
    if (choices.current < 0) {
        // A font this machine lacks stays the box's choice until the user picks another.
        choices.families.prepend(wanted);
        choices.current = 0;
    }
    return choices;
}
