#pragma once
// Formats made on Windows name Chinese system fonts (宋体, SimHei, 微软雅黑, ...) that
// fontconfig does not alias. Mapping them to the installed Noto CJK fonts makes those
// formats look and measure right and picks Simplified Chinese glyphs. No widget
// dependency: the print module calls it too.
#include <QString>
#include <QStringList>

// Installs the substitutions process-wide with QFont::insertSubstitutions; safe to
// call more than once.
void InstallChineseFontSubstitutions();

// The installed families a Windows font name maps to, best first; empty when the
// name is not one of the mapped Windows fonts.
QStringList ChineseFontSubstitutes(const QString& windowsFontName);
