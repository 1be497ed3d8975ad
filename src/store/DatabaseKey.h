#pragma once
// The key of every database file this program opens: the store, its daily backups and
// the copies compaction makes. One place, so they can never disagree.
#include <QByteArray>

struct sqlite3;

// The key the process uses now, in SQLCipher's raw form, x'<64 hex digits>': it is used
// as the cipher key as it is, so opening a file costs no key derivation. It is the fixed
// key of a store without a login password, else the key derived from the password
// (PasswordKey.h).
QByteArray StoreKeyText();
// The fixed key of a store without a login password.
QByteArray FixedStoreKey();
// Makes `rawKey` the key of every file opened from now on; empty for the fixed key.
void UseStoreKey(const QByteArray& rawKey);

// Keys a connection that has just been opened with the key used now; true when
// SQLCipher took the key.
bool ApplyStoreKey(sqlite3* db);
// The same with a given raw key.
bool ApplyKey(sqlite3* db, const QByteArray& rawKey);

// Files written before the raw key were keyed with a fixed passphrase that SQLCipher
// runs through its slow key derivation. Keys a fresh connection that way.
bool ApplyPassphraseKey(sqlite3* db);

// Rewrites every page of an open file under `rawKey`, in one transaction. The file must
// be open in no other connection: it leaves write-ahead logging for the rewrite, which
// is only possible alone, and returns to its journal mode after. False, with the file
// unchanged, when that is not the case or the rewrite fails.
bool RekeyFile(sqlite3* db, const QByteArray& rawKey);
// Rewrites a file opened with the passphrase key under the key used now.
bool ConvertToStoreKey(sqlite3* db);
