#pragma once
// The key of every database file this program opens: the store, its daily backups and
// the copies compaction makes. One place, so they can never disagree.
#include <QByteArray>

struct sqlite3;

// The store's key in SQLCipher's raw form, x'<64 hex digits>': it is used as the cipher
// key as it is, so opening a file costs no key derivation.
QByteArray StoreKeyText();

// Keys a connection that has just been opened; true when SQLCipher took the key.
bool ApplyStoreKey(sqlite3* db);

// Files written before the raw key were keyed with a fixed passphrase that SQLCipher
// runs through its slow key derivation. Keys a fresh connection that way.
bool ApplyPassphraseKey(sqlite3* db);

// Rewrites every page of a file opened with the passphrase key under the store key,
// in one transaction. The file must be open in no other connection: it leaves
// write-ahead logging for the rewrite, which is only possible alone. False, with the
// file unchanged, when that is not the case or the rewrite fails.
bool ConvertToStoreKey(sqlite3* db);
