#pragma once
// The format tree as stored in parameter "格式树", kept in agreement with the formats
// that exist, and the name rules of its classes and formats.
#include "formatfile/FormatTreeValue.h"

class Database;

// Reads the stored tree; an empty one is built from the default classes. Formats
// that no longer exist leave it and existing formats it lacks are filed under their
// class; the result is stored when it differs from what was stored.
FormatTreeValue LoadFormatTree(Database& db);
// Stores the tree as it is.
bool SaveFormatTree(Database& db, const FormatTreeValue& tree);
// Files a new format (new, save-as, import) under its class and stores the tree.
bool AddFormatToTree(Database& db, const QString& name);

// The stored tree as written, or the default one when nothing is stored; no check
// against the existing formats.
FormatTreeValue StoredFormatTree(Database& db);

