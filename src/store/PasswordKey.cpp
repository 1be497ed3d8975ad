#include "store/PasswordKey.h"

#include "store/Backups.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/InPlaceEmptying.h"
#include "store/LoginDelay.h"
#include "store/ParamStore.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>
#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr char kMethod[] = "pbkdf2-sha256";
// Slow enough that guessing passwords against a stolen file is expensive, paid once
// per start.
constexpr int kRounds = 256000;
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
constexpr int kKeyProbeWaitMs = 10000;
constexpr char kRecoveryHeading[] = "Vellumark 数据库恢复密钥（请妥善保管，勿交给他人）";
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

struct Salt {
    QByteArray bytes;
    int rounds = 0;
};

Salt ReadSalt(const QString& storePath) {
    QFile file(PasswordSaltPath(storePath));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> parts = file.read(256).trimmed().split(' ');
    if (parts.size() != 3 || parts[0] != kMethod) return {};
    Salt salt{QByteArray::fromHex(parts[2]), parts[1].toInt()};
    if (salt.bytes.size() != kSaltBytes || salt.rounds <= 0) return {};
    return salt;
}

// The salt of the store, made on the first password and kept from then on.
bool EnsureSalt(const QString& storePath) {
    if (!ReadSalt(storePath).bytes.isEmpty()) return true;
    QByteArray bytes(kSaltBytes, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(bytes.data()), kSaltBytes) != 1) return false;
    QSaveFile file(PasswordSaltPath(storePath));
    return file.open(QIODevice::WriteOnly)
           && file.write(QByteArray(kMethod) + ' ' + QByteArray::number(kRounds) + ' ' + bytes.toHex()
                         + '\n') > 0
           && file.commit();
}

QByteArray RawKeyText(const QByteArray& key) { return "x'" + key.toHex() + "'"; }

// DATA.db.check: a hash of the store's key, so that a right password is known as right
// even when the file cannot be read (damaged): the opening then reports the damage and
// offers a backup instead of calling every password wrong. The key itself comes from
// the slow derivation, so the hash makes guessing no cheaper.
QString CheckPath(const QString& storePath) { return storePath + QStringLiteral(".check"); }

QByteArray KeyCheck(const QByteArray& rawKey) {
    QByteArray digest(EVP_MAX_MD_SIZE, '\0');
    unsigned int size = 0;
    const QByteArray input = "vellumark store key check " + rawKey;
    EVP_Digest(input.constData(), size_t(input.size()), reinterpret_cast<unsigned char*>(digest.data()), &size,
               EVP_sha256(), nullptr);
    return digest.left(int(size)).toHex();
}

void WriteKeyCheck(const QString& storePath, const QByteArray& rawKey) {
    if (SameSecret(rawKey, FixedStoreKey())) {
        QFile::remove(CheckPath(storePath));
        return;
    }
    QSaveFile file(CheckPath(storePath));
    if (file.open(QIODevice::WriteOnly) && file.write(KeyCheck(rawKey) + '\n') > 0) file.commit();
}

bool MatchesKeyCheck(const QString& storePath, const QByteArray& rawKey) {
    QFile file(CheckPath(storePath));
    return file.open(QIODevice::ReadOnly) && SameSecret(file.read(256).trimmed(), KeyCheck(rawKey));
}

bool IsRawKeyText(const QByteArray& text) {
    return text.size() == kKeyBytes * 2 + 3 && text.startsWith("x'") && text.endsWith('\'')
           && QByteArray::fromHex(text.mid(2, kKeyBytes * 2)).size() == kKeyBytes;
}

// Re-keys each backup that opens with `oldKey`, so the backups are keyed as the store.
void RekeyBackups(const QByteArray& oldKey, const QByteArray& newKey) {
    EmptyIndexAndLogInPlace();
    for (const QString& backup : BackupFiles()) {
        sqlite3* raw = nullptr;
        if (sqlite3_open_v2(backup.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
            && ApplyKey(raw, oldKey)
            && sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK)
            RekeyFile(raw, newKey);
        sqlite3_close(raw);
    }
}
} // namespace

QString PasswordSaltPath(const QString& storePath) { return storePath + QStringLiteral(".salt"); }

bool HasPasswordSalt(const QString& storePath) { return !ReadSalt(storePath).bytes.isEmpty(); }

QByteArray PasswordKeyFor(const QString& storePath, const QString& password) {
    const Salt salt = ReadSalt(storePath);
    if (salt.bytes.isEmpty()) return {};
    const QByteArray secret = password.toUtf8();
    QByteArray key(kKeyBytes, '\0');
    if (PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()),
                          reinterpret_cast<const unsigned char*>(salt.bytes.constData()), kSaltBytes,
                          salt.rounds, EVP_sha256(), kKeyBytes, reinterpret_cast<unsigned char*>(key.data()))
        != 1)
        return {};
    return RawKeyText(key);
}

bool FileOpensWith(const QString& path, const QByteArray& rawKey) {
    EmptyIndexAndLogInPlace();
    sqlite3* raw = nullptr;
    const bool opens =
        QFileInfo::exists(path)
        && sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && ApplyKey(raw, rawKey)
        // A file another process is re-keying is locked a moment: that is no wrong key.
        && sqlite3_busy_timeout(raw, kKeyProbeWaitMs) == SQLITE_OK
        && sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(raw);
    return opens;
}

bool StoreNeedsPassword(const QString& storePath) {
    return QFileInfo::exists(storePath) && HasPasswordSalt(storePath)
           && !FileOpensWith(storePath, FixedStoreKey());
}

bool UnlockWithPassword(const QString& storePath, const QString& file, const QString& password) {
    WaitForLoginTurn(storePath);
    const QByteArray key = PasswordKeyFor(storePath, password);
    const bool opens = !key.isEmpty()
                       && (FileOpensWith(file, key) || (file == storePath && MatchesKeyCheck(storePath, key)));
    NoteLoginOutcome(storePath, opens);
    if (opens) UseStoreKey(key);
    return opens;
}

bool UsingPasswordKey() { return !SameSecret(StoreKeyText(), FixedStoreKey()); }

bool IsStorePassword(const QString& storePath, const QString& typed) {
    return UsingPasswordKey() && SameSecret(PasswordKeyFor(storePath, typed), StoreKeyText());
}

bool RekeyStore(Database& db, const QString& password) {
    const QByteArray oldKey = StoreKeyText();
    QByteArray newKey = FixedStoreKey();
    if (!password.isEmpty()) {
        if (!EnsureSalt(db.Path())) return false;
        newKey = PasswordKeyFor(db.Path(), password);
        if (newKey.isEmpty()) return false;
    }
    if (!db.Rekey(newKey)) return false;
    UseStoreKey(newKey);
    WriteKeyCheck(db.Path(), newKey);
    RekeyBackups(oldKey, newKey);
    return true;
}

bool SameSecret(const QByteArray& a, const QByteArray& b) {
    return a.size() == b.size() && CRYPTO_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

bool OwnerOnly(const QString& path) {
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && !(QFile::permissions(path) & others);
}

bool WriteRecoveryFile(const QString& path, const QByteArray& rawKey) {
    QFile::remove(path);
    QFile file(path);
    // Owner-only before the key is written, so it is never readable by others.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.setPermissions(kOwnerOnly))
        return false;
    const bool written = file.write(QByteArray(kRecoveryHeading) + '\n' + rawKey + '\n') > 0 && file.flush();
    file.close();
    if (!written) QFile::remove(path);
    return written;
}

QByteArray ReadRecoveryFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (IsRawKeyText(line)) return line;
    }
    return {};
}
