#pragma once
// Whether a file is a store of this program, before it may replace the database:
// it opens with the key, holds the tables at a layout version this program knows,
// and passes SQLite's whole-file check. An empty file, another program's encrypted
// file or an empty keyed database are none.
#include <QString>

// Opening a database file writes to it (its journal mode), so the check must be made
// on a copy, never on the file the user named.
bool IsStoreOfThisProgram(const QString& copyPath);
