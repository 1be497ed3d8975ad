#pragma once
// The database side of format files: a stored format as file content, and file
// content stored as a new format.
#include "formatfile/FormatFile.h"

#include <optional>

class Database;

// The stored format with its page-parameter row ID and its own custom types;
// nullopt when it has no page parameters.
std::optional<FormatFileContent> ReadStoredFormat(Database& db, const QString& name);

// Stores `content` as the new format `name` in one transaction: every row gets a
// new ID in the file's order (the page-parameter row first when the file has it
// first) and the links among them follow (a negative link stays negative), the
// format's custom types are replaced by the file's, and the format is filed in the
// stored tree. False when any step fails; nothing is stored then.
bool StoreImportedFormat(Database& db, const FormatFileContent& content, const QString& name);
