#pragma once
// Where the store lives: the encrypted file of the data folder by default, or a shared
// PostgreSQL server named by --store or VELLUMARK_STORE (a libpq connection string or a
// postgresql:// address).
#include <QString>

namespace StoreLocation {
// Overrides the location for this process (the --store option); empty for the default.
void SetOverride(const QString& location);
// The server's connection string; empty when the store is the data folder's file.
QString Server();
// True for a text that names a server rather than a file: a postgresql:// (or
// postgres://) address or a connection string with key=value pairs.
bool IsServerLocation(const QString& location);
} // namespace StoreLocation
