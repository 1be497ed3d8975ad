#include "store/DatabaseKey.h"

#include <sqlcipher/sqlite3.h>

#include <cstring>

namespace {

// 32 fixed bytes, written as SQLCipher's raw-key text.
constexpr char kStoreKey[] = "x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'";
// The passphrase of the files before the raw key.
constexpr char kPassphrase[] = "58203614";

// The journal mode after asking for `mode`: SQLite keeps the old one when it cannot change.
QByteArray SetJournalMode(sqlite3* db, const char* mode) {
    const QByteArray sql = QByteArray("PRAGMA journal_mode=") + mode;
    sqlite3_stmt* stmt = nullptr;
    QByteArray result;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        result = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    return result.toLower();
}

} // namespace

QByteArray StoreKeyText() { return QByteArray(kStoreKey); }

bool ApplyStoreKey(sqlite3* db) {
    return sqlite3_key(db, kStoreKey, int(std::strlen(kStoreKey))) == SQLITE_OK;
}

bool ApplyPassphraseKey(sqlite3* db) {
    return sqlite3_key(db, kPassphrase, int(std::strlen(kPassphrase))) == SQLITE_OK;
}

bool ConvertToStoreKey(sqlite3* db) {
    // Leaving write-ahead logging succeeds only when no other connection has the file;
    // the rewrite then runs with a rollback journal, so a crash leaves the old key.
    if (SetJournalMode(db, "DELETE") != "delete") return false;
    const bool converted = sqlite3_rekey(db, kStoreKey, int(std::strlen(kStoreKey))) == SQLITE_OK
                           && sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr,
                                           nullptr, nullptr) == SQLITE_OK;
    SetJournalMode(db, "WAL");
    return converted;
}
