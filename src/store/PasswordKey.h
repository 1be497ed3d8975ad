#pragma once
// The login password as the key of the database files. Without a password the store
// keeps the fixed key (DatabaseKey.h). With one, the store and the backups made from
// then on are keyed with a key derived from the password by PBKDF2-HMAC-SHA256 under the
// store's salt. The salt lives in a small file beside the store, readable before any key
// is known; it is made once and kept for every later password, so a backup opens with
// the password it was made under. Nothing here writes the password or a key anywhere
// but into the recovery file the user asks for.
#include <QByteArray>
#include <QString>

class Database;

// DATA.db.salt beside the store: "pbkdf2-sha256 <rounds> <salt in hex>".
QString PasswordSaltPath(const QString& storePath);

// Whether a password was ever set on the store (its salt file is there).
bool HasPasswordSalt(const QString& storePath);
// The raw key text of `password` under the store's salt; empty when the store has no salt.
QByteArray PasswordKeyFor(const QString& storePath, const QString& password);

// Whether the file reads with this raw key, through a connection of its own.
bool FileOpensWith(const QString& path, const QByteArray& rawKey);

// Whether the store is keyed with a password: it has a salt and does not open with the
// fixed key. A missing file, or one damaged past reading, needs none.
bool StoreNeedsPassword(const QString& storePath);

// Tries `password` on `file` (the store or one of its backups) after the wait earlier
// failures earned (LoginDelay.h): on success the password's key becomes the key of the
// process; false for a wrong password, with nothing changed. The store's password is
// also known as right by the hash of its key beside the store (DATA.db.check), so a
// damaged store is opened (and reported damaged) rather than every password refused.
bool UnlockWithPassword(const QString& storePath, const QString& file, const QString& password);

// Whether the process uses a password's key (not the fixed one).
bool UsingPasswordKey();
// Whether the store is keyed with `typed` now; compared in constant time.
bool IsStorePassword(const QString& storePath, const QString& typed);

// Re-keys the open store (the only connection to it) to the key of `password`, or to
// the fixed key when it is empty, and then the backups that opened with its old key.
// The key becomes the process's. False, with the store unchanged, when another
// connection has the file or the rewrite fails.
bool RekeyStore(Database& db, const QString& password);

// Equal contents, compared in a time that does not depend on where they differ.
bool SameSecret(const QByteArray& a, const QByteArray& b);

// Whether only the file's owner may read or write it (no group or other bits).
bool OwnerOnly(const QString& path);

// The recovery file: the store's key as text, written readable by its owner only.
bool WriteRecoveryFile(const QString& path, const QByteArray& rawKey);
// The raw key a recovery file holds; empty when it holds none.
QByteArray ReadRecoveryFile(const QString& path);
