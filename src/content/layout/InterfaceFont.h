#pragma once
// The font of the program's own Chinese texts (menus, tree, buttons, dialogs). Left to
// fontconfig, Chinese characters fall back to whichever CJK face it ranks first, often a
// thin Ming (serif) face that reads poorly at menu sizes. No widget dependency: the test
// programs set the same font, so window layouts do not depend on the installed fonts.
#include <QFont>
#include <QStringList>

// The desktop's font with a CJK sans face behind it for the Chinese characters the desktop's
// family lacks; without a desktop font (Qt's generic "Sans Serif"), the CJK sans face itself.
// `installedFamilies` is QFontDatabase::families(); with no CJK sans face among them the
// desktop's font is returned unchanged.
QFont InterfaceFont(const QFont& desktopFont, const QStringList& installedFamilies);

// Makes InterfaceFont(the application's font) the application's font. Call before any
// widget exists.
void UseInterfaceFont();
