#include "store/DatabaseKey.h"

#include <sqlcipher/sqlite3.h>

#include <cstring>

namespace {

// 32 fixed bytes, written as SQLCipher's raw-key text.
constexpr char kStoreKey[] = "x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'";
// The passphrase of the files before the raw key.
constexpr char kPassphrase[] = "58203614";

// The journal mode after asking for `mode` (none: just asking which it is); SQLite keeps
// the old one when it cannot change.
QByteArray SetJournalMode(sqlite3* db, const QByteArray& mode = {}) {
    const QByteArray sql = QByteArray("PRAGMA journal_mode") + (mode.isEmpty() ? "" : "=" + mode);
    sqlite3_stmt* stmt = nullptr;
    QByteArray result;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        result = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    return result.toLower();
}

QByteArray& ProcessKey() {
    static QByteArray key;
    return key;
}

} // namespace

QByteArray FixedStoreKey() { return QByteArray(kStoreKey); }

QByteArray StoreKeyText() { return ProcessKey().isEmpty() ? FixedStoreKey() : ProcessKey(); }

void UseStoreKey(const QByteArray& rawKey) { ProcessKey() = rawKey; }

bool ApplyKey(sqlite3* db, const QByteArray& rawKey) {
    return sqlite3_key(db, rawKey.constData(), int(rawKey.size())) == SQLITE_OK;
}

bool ApplyStoreKey(sqlite3* db) { return ApplyKey(db, StoreKeyText()); }

bool ApplyPassphraseKey(sqlite3* db) {
    return sqlite3_key(db, kPassphrase, int(std::strlen(kPassphrase))) == SQLITE_OK;
}

bool RekeyFile(sqlite3* db, const QByteArray& rawKey) {
    // Leaving write-ahead logging succeeds only when no other connection has the file;
    // the rewrite then runs with a rollback journal, so a crash leaves the old key.
    const QByteArray mode = SetJournalMode(db);
    if (SetJournalMode(db, "delete") != "delete") return false;
    const bool rekeyed = sqlite3_rekey(db, rawKey.constData(), int(rawKey.size())) == SQLITE_OK
                         && sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr,
                                         nullptr, nullptr) == SQLITE_OK;
    if (mode != "delete") SetJournalMode(db, mode);
    return rekeyed;
}

bool ConvertToStoreKey(sqlite3* db) { return RekeyFile(db, StoreKeyText()); }
