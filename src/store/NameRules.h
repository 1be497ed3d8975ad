#pragma once
// What a format or class name may hold beyond the characters the tree reserves: no
// control characters (a line break would split every list the name appears in), and
// for a format, a name that can become its background picture's file name.
#include <QString>

bool HasControlCharacters(const QString& name);

// Whether BackgroundPicturePath(name) is a name the data folder's file system takes.
bool FitsAsPictureFileName(const QString& formatName);

// The message refusing a format name for one of these reasons; empty when it passes.
QString FormatNameFault(const QString& name);
// The same for a class name of the format tree.
QString ClassNameFault(const QString& name);
