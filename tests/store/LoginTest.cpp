// The login password keys the store: set, changed, cleared, a wrong one refused, the
// backups keyed the same way, and a store that kept its password as text converted.
#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "core/Progress.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/DatabaseKey.h"
#include "store/FormatStore.h"
#include "store/Login.h"
#include "store/LoginDelay.h"
#include "store/ParamStore.h"
#include "store/PasswordKey.h"
#include "store/StoreTexts.h"

#include <QDate>
#include <QFile>

namespace {

const QString kPasswordRow = QStringLiteral("软件密码");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class LoginTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        SilentProgress progress;
        Format format = GeneratedFormat(QStringLiteral("支票"), 8, QStringLiteral("框"));
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, progress));
        ASSERT_TRUE(db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(1, '支票', 1, '张三')")));
        ASSERT_TRUE(ParamStore(*db).SetParam(kPasswordRow, QString()));
        path = db->Path();
        before = Dump(*db);
    }
    // Closes the store and starts over as a new process would: the fixed key.
    void Close() {
        db.reset();
        UseStoreKey({});
    }
    // Opens it again as the login does; false for a wrong password.
    bool Reopen(const QString& password) {
        if (!UnlockWithPassword(path, path, password)) return false;
        db = Database::Open(path);
        return db != nullptr;
    }

    QString path, before;
};

} // namespace

TEST_F(LoginTest, APasswordKeysTheFileAndAWrongOneChangesNothing) {
    ASSERT_EQ(SetLoginPassword(*db, {}, QStringLiteral("密钥Secret9")), PasswordChange::Changed);
    EXPECT_FALSE(LoginRequired(*db)); // the key says it all; the row keeps nothing
    EXPECT_EQ(ParamStore(*db).GetParam(kPasswordRow), QString());
    Close();

    // A raw connection with the fixed key cannot read it; the text is nowhere in it.
    EXPECT_TRUE(StoreNeedsPassword(path));
    EXPECT_FALSE(FileOpensWith(path, FixedStoreKey()));
    for (const QString& file : {path, path + "-wal", PasswordSaltPath(path)}) {
        EXPECT_FALSE(Bytes(file).contains(QStringLiteral("密钥Secret9").toUtf8())) << file.toStdString();
        EXPECT_FALSE(Bytes(file).contains("Secret9")) << file.toStdString();
    }

    const QByteArray sealed = Bytes(path);
    EXPECT_FALSE(UnlockWithPassword(path, path, QStringLiteral("密钥secret9")));
    EXPECT_FALSE(UsingPasswordKey());
    EXPECT_EQ(Bytes(path), sealed);
    ASSERT_TRUE(Reopen(QStringLiteral("密钥Secret9")));
    EXPECT_EQ(Dump(*db), before);
    EXPECT_TRUE(CheckLoginPassword(*db, QStringLiteral("密钥Secret9")));
    EXPECT_FALSE(CheckLoginPassword(*db, {}));
}

TEST_F(LoginTest, TheRightPasswordOfADamagedStoreIsKnownSoTheDamageCanBeTold) {
    ASSERT_EQ(SetLoginPassword(*db, {}, QStringLiteral("pw")), PasswordChange::Changed);
    Close();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(16);
    file.write(QByteArray(4096, 'x')); // the first page, past the salt, overwritten
    file.close();
    EXPECT_FALSE(FileOpensWith(path, PasswordKeyFor(path, QStringLiteral("pw"))));
    EXPECT_FALSE(UnlockWithPassword(path, path, QStringLiteral("wrong")));
    EXPECT_TRUE(UnlockWithPassword(path, path, QStringLiteral("pw")));
    EXPECT_TRUE(UsingPasswordKey());
}

TEST_F(LoginTest, ChangingAndClearingKeepEveryFormatAndBill) {
    ASSERT_EQ(SetLoginPassword(*db, {}, QStringLiteral("one")), PasswordChange::Changed);
    // The current password must be right; a wrong one leaves the key as it is.
    EXPECT_EQ(SetLoginPassword(*db, QStringLiteral("One"), QStringLiteral("two")),
              PasswordChange::WrongOldPassword);
    ASSERT_EQ(SetLoginPassword(*db, QStringLiteral("one"), QStringLiteral("two")), PasswordChange::Changed);
    Close();
    EXPECT_FALSE(FileOpensWith(path, PasswordKeyFor(path, QStringLiteral("one"))));
    ASSERT_TRUE(Reopen(QStringLiteral("two")));
    EXPECT_EQ(Dump(*db), before);

    ASSERT_EQ(SetLoginPassword(*db, QStringLiteral("two"), {}), PasswordChange::Changed);
    Close();
    EXPECT_FALSE(StoreNeedsPassword(path));
    EXPECT_TRUE(FileOpensWith(path, FixedStoreKey()));
    db = Database::Open(path);
    ASSERT_TRUE(db);
    EXPECT_EQ(Dump(*db), before);
}

TEST_F(LoginTest, TheFileCannotBeReKeyedWhileAnotherConnectionHasIt) {
    const std::unique_ptr<Database> other = Database::Open(path);
    ASSERT_TRUE(other);
    EXPECT_EQ(SetLoginPassword(*db, {}, QStringLiteral("x")), PasswordChange::NotStored);
    EXPECT_FALSE(UsingPasswordKey());
    EXPECT_TRUE(FileOpensWith(path, FixedStoreKey()));
}

TEST_F(LoginTest, BackupsAreKeyedAsTheStoreAndOpenWithTheRecoveryFile) {
    ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2026, 1, 1)));
    ASSERT_EQ(SetLoginPassword(*db, {}, QStringLiteral("pw")), PasswordChange::Changed);
    ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2026, 1, 2)));
    const QByteArray key = StoreKeyText();
    // The backup made before the password is keyed with it too.
    ASSERT_EQ(BackupFiles().size(), 2);
    for (const QString& backup : BackupFiles()) {
        EXPECT_FALSE(FileOpensWith(backup, FixedStoreKey())) << backup.toStdString();
        EXPECT_TRUE(FileOpensWith(backup, key)) << backup.toStdString();
    }

    const QString recovery = folder.File(QStringLiteral("recovery.key"));
    ASSERT_TRUE(WriteRecoveryFile(recovery, key));
    EXPECT_TRUE(OwnerOnly(recovery));
    EXPECT_TRUE(QFile::permissions(recovery) & QFileDevice::ReadOwner);
    EXPECT_EQ(ReadRecoveryFile(recovery), key);
    EXPECT_TRUE(ReadRecoveryFile(path).isEmpty());

    // A change re-keys the backups of the folder; one kept elsewhere keeps the key it
    // was made under and opens with that password, not the current one.
    const QString kept = folder.File(QStringLiteral("kept.db"));
    ASSERT_TRUE(QFile::copy(BackupFiles().first(), kept));
    ASSERT_EQ(SetLoginPassword(*db, QStringLiteral("pw"), QStringLiteral("new")), PasswordChange::Changed);
    for (const QString& backup : BackupFiles()) EXPECT_TRUE(FileOpensWith(backup, StoreKeyText()));
    Close();
    EXPECT_FALSE(UnlockWithPassword(path, kept, QStringLiteral("new")));
    EXPECT_TRUE(UnlockWithPassword(path, kept, QStringLiteral("pw")));
}

TEST_F(LoginTest, AStoreKeepingItsPasswordAsTextConvertsAtItsFirstLogin) {
    ASSERT_TRUE(ParamStore(*db).SetParam(kPasswordRow, QStringLiteral("Abc")));
    before = Dump(*db);
    ASSERT_TRUE(LoginRequired(*db));
    EXPECT_FALSE(Login(*db, QStringLiteral("abc")));
    EXPECT_TRUE(FileOpensWith(path, FixedStoreKey()));
    ASSERT_TRUE(Login(*db, QStringLiteral("Abc")));
    EXPECT_FALSE(LoginRequired(*db));
    Close();
    EXPECT_FALSE(Bytes(path).contains("Abc"));
    EXPECT_FALSE(FileOpensWith(path, FixedStoreKey()));
    ASSERT_TRUE(Reopen(QStringLiteral("Abc")));
    EXPECT_EQ(Dump(*db), QString(before).replace(QStringLiteral("软件密码|Abc"), QStringLiteral("软件密码|")));
}

TEST_F(LoginTest, TheDialogsChangeTellsAMismatchAndStoresNothing) {
    ScriptedAsker asker;
    EXPECT_EQ(ChangeLoginPassword(*db, asker, {}, QStringLiteral("Abc"), QStringLiteral("abc")),
              PasswordChange::Mismatch);
    EXPECT_EQ(asker.messages, QStringList{StoreTexts::kNewPasswordsDiffer});
    EXPECT_FALSE(UsingPasswordKey());
}

TEST(LoginDelay, GrowsWithFailuresInARowAndIsKeptAcrossStarts) {
    EXPECT_EQ(LoginDelayMs(0), 0);
    EXPECT_EQ(LoginDelayMs(1), 500);
    EXPECT_EQ(LoginDelayMs(3), 2000);
    EXPECT_EQ(LoginDelayMs(100), 30000);

    TempDataFolder folder;
    const QString store = DataFolder::DatabasePath();
    NoteLoginOutcome(store, false);
    NoteLoginOutcome(store, false);
    EXPECT_EQ(Bytes(store + ".failures"), "2");
    NoteLoginOutcome(store, true);
    EXPECT_FALSE(QFile::exists(store + ".failures"));
}
