#pragma once
// The list the font button offers: each installed family once (not once per foundry),
// the common Chinese Windows names that the font mapping shows with installed fonts,
// and the box's own font, which is preselected so that OK keeps it.
#include <QString>
#include <QStringList>

struct FontChoices {
    QStringList families;
    int current = 0;
};

// `installed` as QFontDatabase::families() gives them ("Family [Foundry]" where a
// family comes from several foundries).
FontChoices MakeFontChoices(const QStringList& installed, const QString& boxFont);
