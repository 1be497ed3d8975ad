#pragma once
// The one rule for every way a format or a class gets its name (new, save as, import,
// rename, add class): no character the stored format tree uses as a separator, no
// control characters (a line break would split every list the name appears in), and
// for a format, a name that can become its background picture's file name.
#include <QString>

bool HasControlCharacters(const QString& name);

// Whether BackgroundPicturePath(name) is a name the data folder's file system takes.
bool FitsAsPictureFileName(const QString& formatName);

// The message refusing a format name; empty when it passes.
QString FormatNameFault(const QString& name);
// The same for the name of a new class of the format tree.
QString ClassNameFault(const QString& name);
// The same for a class's new name: a renamed node keeps to the format names' characters.
QString RenamedClassNameFault(const QString& name);
