#pragma once
// Where the store lives: the encrypted file of the data folder by default, or a shared
// PostgreSQL server (a libpq connection string or a postgresql:// address) named by
// --store, else VELLUMARK_STORE, else the choice this seat remembered.
#include <QString>

class Asker;

namespace StoreLocation {
// Overrides the location for this process (the --store option); empty for the default.
void SetOverride(const QString& location);
// The server's connection string; empty when the store is the data folder's file.
QString Server();
// True for a text that names a server rather than a file: a postgresql:// (or
// postgres://) address or a connection string with key=value pairs.
bool IsServerLocation(const QString& location);
// The location with any password taken out: passwords live in libpq's password file,
// never in the settings.
QString WithoutPassword(const QString& location);
// True when the location has the server's certificate checked against an authority
// (sslmode verify-ca or verify-full) but names no authority's certificate file, and the
// client library's own default (PGSSLROOTCERT, ~/.postgresql/root.crt) holds none.
bool NeedsAuthorityFile(const QString& location);
// The location with `path` as the authority's certificate file, in the location's form.
QString WithAuthorityFile(const QString& location, const QString& path);
// Remembers the seat's server for the next start (empty: the data folder's file).
bool Remember(const QString& location);
QString Remembered();
} // namespace StoreLocation

// Asks for the seat's store ("" for the data folder's file), checks that a server
// answers and holds or can hold a store, then remembers it for the next start.
// False when cancelled or the server cannot be used (the user is told why).
bool ChooseStoreLocation(Asker& asker);
