#pragma once
// The data folder: VELLUMARK_HOME, or --data-dir, or the per-user application data
// location. It holds DATA.db, the Temp folder and one background picture per format.
#include <QString>

namespace DataFolder {
// Overrides the location for this process (the --data-dir option).
void SetOverride(const QString& path);
// The folder, created when missing.
QString Path();
// True when the folder was named (--data-dir or VELLUMARK_HOME) rather than the default.
bool IsExplicit();
QString DatabasePath();   // Path() + "/DATA.db"
QString TempPath();       // Path() + "/Temp", created when missing
// Creates a sub-folder of the data folder when missing; an empty name does nothing.
bool EnsureSubfolder(const QString& name);
} // namespace DataFolder
