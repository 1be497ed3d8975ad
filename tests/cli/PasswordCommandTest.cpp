// A store keyed with a login password: every command asks for it (a private file,
// the environment, the terminal), the password command sets, changes and clears it,
// and restore-backup takes a backup's own password or the recovery file.
#include "CliFixture.h"

#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/PasswordKey.h"
#include "store/PasswordTexts.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

constexpr char kEnv[] = "VELLUMARK_PASSWORD";

class PasswordCliTest : public CliTest {
protected:
    PasswordCliTest() { qunsetenv(kEnv); }
    ~PasswordCliTest() override { qunsetenv(kEnv); }

    // A password file only its owner may read.
    QString Private(const QString& name, const QByteArray& text) {
        const QString path = WriteFile(name, text);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }
    void SetPassword(const QByteArray& password, const QStringList& more = {}) {
        const CommandOutcome set =
            Run(QStringList{"password", "--new-file", Private("new.txt", password + "\n")} + more);
        ASSERT_EQ(set.code, 0) << set.err.toStdString();
        UseStoreKey({}); // the next command starts as a new process does
    }
    CommandOutcome RunAfresh(const QStringList& args) {
        UseStoreKey({});
        return Run(args);
    }

    const QString store = DataFolder::DatabasePath();
};

// The commands that read or change the store, each with arguments it accepts.
const QList<QStringList> kStoreCommands = {
    {"history", kSlip, "--csv"}, {"defaults", kSlip}, {"formats"}, {"export-format", kSlip, "x.zhq"},
    {"delete-format", kLabel}, {"password", "--clear"}};

} // namespace

TEST_F(PasswordCliTest, EveryCommandRefusesWithoutThePasswordAndWorksWithEachWayOfGivingIt) {
    const qint64 bills = StoredBills(kSlip);
    SetPassword("口令 one");
    EXPECT_FALSE(FileOpensWith(store, FixedStoreKey()));
    EXPECT_FALSE(QFile(store).open(QIODevice::ReadOnly) && QFile(store).readAll().contains("口令"));

    for (const QStringList& command : kStoreCommands) {
        const CommandOutcome refused = RunAfresh(command);
        EXPECT_EQ(refused.code, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(PasswordText::kPasswordNeeded)) << refused.err.toStdString();
    }
    EXPECT_TRUE(RunAfresh({"formats"}).out.isEmpty());

    // A file others may read is refused even with the right password in it.
    const QString shared = WriteFile("shared.txt", QStringLiteral("口令 one\n").toUtf8());
    QFile::setPermissions(shared, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    const CommandOutcome open = RunAfresh({"formats", "--password-file", shared});
    EXPECT_EQ(open.code, 1);
    EXPECT_TRUE(open.err.contains(shared)) << open.err.toStdString();

    const QString file = Private("pw.txt", QStringLiteral("口令 one\n").toUtf8());
    const CommandOutcome byFile = RunAfresh({"--password-file", file, "history", kSlip, "--csv"});
    ASSERT_EQ(byFile.code, 0) << byFile.err.toStdString();
    EXPECT_FALSE(byFile.out.isEmpty());
    // Given after the command's own arguments as well.
    EXPECT_EQ(RunAfresh({"formats", "--password-file", file}).code, 0);

    qputenv(kEnv, QStringLiteral("口令 one").toUtf8());
    const CommandOutcome byEnv = RunAfresh({"formats"});
    EXPECT_EQ(byEnv.code, 0) << byEnv.err.toStdString();
    EXPECT_TRUE(byEnv.out.contains(kSlip));
    EXPECT_EQ(StoredBills(kSlip), bills); // with the key the command unlocked
}

TEST_F(PasswordCliTest, AWrongPasswordIsRefusedAndChangesNothing) {
    SetPassword("right");
    const QByteArray sealed = [&] {
        QFile file(store);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    qputenv(kEnv, "wrong");
    const CommandOutcome refused = RunAfresh({"delete-format", kLabel});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("密码错误！"))) << refused.err.toStdString();
    QFile file(store);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), sealed);

    qputenv(kEnv, "right");
    EXPECT_TRUE(RunAfresh({"formats"}).out.contains(kLabel));
}

TEST_F(PasswordCliTest, ThePasswordCommandChangesAndClearsKeepingEveryFormatAndBill) {
    const QString formats = Run({"formats"}).out;
    const QString history = Run({"history", kSlip, "--csv"}).out;
    SetPassword("first");
    qputenv(kEnv, "first");
    // A usage error and a wrong current password change nothing.
    EXPECT_EQ(RunAfresh({"password"}).code, 2);
    EXPECT_EQ(RunAfresh({"password", "--clear", "--new-file", "x"}).code, 2);
    const CommandOutcome changed =
        RunAfresh({"password", "--new-file", Private("second.txt", "second\n")});
    ASSERT_EQ(changed.code, 0) << changed.err.toStdString();
    EXPECT_EQ(RunAfresh({"formats"}).code, 1);

    qputenv(kEnv, "second");
    EXPECT_EQ(RunAfresh({"formats"}).out, formats);
    EXPECT_EQ(RunAfresh({"history", kSlip, "--csv"}).out, history);
    const CommandOutcome cleared = RunAfresh({"password", "--clear"});
    ASSERT_EQ(cleared.code, 0) << cleared.err.toStdString();
    qunsetenv(kEnv);
    EXPECT_TRUE(FileOpensWith(store, FixedStoreKey()));
    EXPECT_EQ(RunAfresh({"formats"}).out, formats);
    EXPECT_EQ(RunAfresh({"history", kSlip, "--csv"}).out, history);
}

TEST_F(PasswordCliTest, ABackupOpensWithItsOwnPasswordOrTheRecoveryFile) {
    const QString recovery = folder_.File("recovery.key");
    SetPassword("old", {"--recovery-file", recovery});
    qputenv(kEnv, "old");
    // Today's backup is made by the first command that opens the store.
    ASSERT_EQ(RunAfresh({"formats"}).code, 0);
    ASSERT_EQ(BackupFiles().size(), 1);
    const QString backup = folder_.File("old-backup.db");
    ASSERT_TRUE(QFile::copy(BackupFiles().first(), backup));
    EXPECT_FALSE(FileOpensWith(backup, FixedStoreKey()));
    ASSERT_EQ(RunAfresh({"password", "--new-file", Private("n.txt", "new\n")}).code, 0);

    qputenv(kEnv, "new");
    const CommandOutcome wrong = RunAfresh({"restore-backup", backup});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("密码错误！"))) << wrong.err.toStdString();
    qputenv(kEnv, "old");
    const CommandOutcome restored = RunAfresh({"restore-backup", backup});
    ASSERT_EQ(restored.code, 0) << restored.err.toStdString();
    EXPECT_TRUE(RunAfresh({"formats"}).out.contains(kSlip));

    // The recovery file opens it without any password and clears the forgotten one.
    // (The file the first restore kept aside goes, so the second may keep its own.)
    for (const QString& kept : QDir(DataFolder::Path()).entryList({"DATA-damaged-*"}))
        QFile::remove(DataFolder::Path() + "/" + kept);
    qunsetenv(kEnv);
    const CommandOutcome recovered = RunAfresh({"restore-backup", backup, "--recovery-file", recovery});
    ASSERT_EQ(recovered.code, 0) << recovered.err.toStdString();
    EXPECT_TRUE(recovered.out.contains(PasswordText::kPasswordCleared));
    EXPECT_TRUE(RunAfresh({"formats"}).out.contains(kSlip));
    const CommandOutcome notRecovery = RunAfresh({"restore-backup", backup, "--recovery-file", backup});
    EXPECT_EQ(notRecovery.code, 1);
}

TEST_F(PasswordCliTest, TheProgramAsksAtTheTerminalWithoutEcho) {
    const QString program = qEnvironmentVariable("VELLUMARK_BINARY");
    if (program.isEmpty()) GTEST_SKIP() << "VELLUMARK_BINARY is not set";
    SetPassword("typed");
    // `script` gives the program a terminal; what is typed there goes to its input.
    QProcess process;
    process.start(QStringLiteral("script"),
                  {"-qec", QStringLiteral("'%1' --data-dir '%2' formats").arg(program, DataFolder::Path()),
                   "/dev/null"});
    ASSERT_TRUE(process.waitForStarted());
    process.waitForReadyRead(10000);
    process.write("typed\n");
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString output = QString::fromUtf8(process.readAll());
    EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(PasswordText::kPrompt));
    EXPECT_TRUE(output.contains(kSlip)) << output.toStdString();
    EXPECT_FALSE(output.contains("typed")) << output.toStdString();
}
