// The window and the restore-backup command when the store is in trouble: an
// unusable data folder, a damaged file with and without a backup, a busy lock.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "cli/RestoreBackupCommand.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/StoreWatch.h"
#include "app/WindowApp.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/StoreTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTextStream>

namespace {

class StoreTrouble : public AppFixture {
protected:
    // A store with one format and today's backup of it, then damaged.
    void DamagedStoreWithBackup() {
        { StoreSampleFormat(*OpenSession(), "支票"); }
        ASSERT_TRUE(OpenSession()); // the first open after creation backs up the day
        ASSERT_EQ(BackupFiles().size(), 1);
        Damage();
    }
    void Damage() {
        QFile file(DataFolder::DatabasePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(4096, '\x5A')); // the first pages: nothing can be read
    }
    int RestoreCommand(const QStringList& args) {
        out_.clear();
        err_.clear();
        QTextStream out(&out_), err(&err_);
        return RunRestoreBackupCommand(args, out, err);
    }
    QString out_, err_;
};

} // namespace

TEST_F(StoreTrouble, AnUnusableDataFolderIsNamedAndTheWindowEndsWithAnError) {
    const QString file = folder_.File("一个文件");
    QFile(file).open(QIODevice::WriteOnly);
    DataFolder::SetOverride(file);
    EXPECT_EQ(CheckDataFolder(asker_), 1);
    EXPECT_EQ(asker_.messages, QStringList{StoreTexts::FolderUnusable(file, StoreTexts::kIsAFile)});
    DataFolder::SetOverride(folder_.Path());
    EXPECT_EQ(CheckDataFolder(asker_), 0);
}

TEST_F(StoreTrouble, ADamagedStoreIsReportedAndTheNewestBackupOfferedAndRestored) {
    DamagedStoreWithBackup();
    const QString damage = StoreTexts::Damaged(DataFolder::DatabasePath());
    asker_.No();
    EXPECT_FALSE(::OpenSession(asker_));
    ASSERT_EQ(asker_.questions.size(), 1);
    EXPECT_TRUE(asker_.questions[0].startsWith(damage + "\n" + StoreTexts::OfferRestore(BackupFiles()[0])));

    asker_.Yes();
    const std::unique_ptr<Session> session = ::OpenSession(asker_);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->Formats().FormatNames(), QStringList{"支票"});
    EXPECT_TRUE(asker_.messages.last().startsWith(QStringLiteral("已用备份“")));
}

TEST_F(StoreTrouble, WithoutABackupTheDamageIsReportedAndTheFileLeftAlone) {
    { StoreSampleFormat(*OpenSession(), "支票"); }
    Damage();
    QFile file(DataFolder::DatabasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_FALSE(::OpenSession(asker_));
    EXPECT_EQ(asker_.messages, QStringList{StoreTexts::Damaged(DataFolder::DatabasePath()) + "\n"
                                           + StoreTexts::kNoBackup});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(RestoreCommand({}), 1);
    EXPECT_EQ(err_, StoreTexts::kNoBackup + "\n");
}

TEST_F(StoreTrouble, TheRestoreCommandBringsBackTheNewestBackupUnlessAWindowIsOpen) {
    DamagedStoreWithBackup();
    {
        const SingleInstance window(DataFolder::Path());
        EXPECT_EQ(RestoreCommand({}), 1);
        EXPECT_EQ(err_, StoreTexts::kWindowStillOpen + "\n");
    }
    EXPECT_EQ(RestoreCommand({folder_.File("没有.db")}), 1);
    EXPECT_EQ(RestoreCommand({}), 0) << err_.toStdString();
    EXPECT_TRUE(out_.startsWith(QStringLiteral("已用备份“") + BackupFiles()[0]));
    const std::unique_ptr<Session> session = OpenSession();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->Formats().FormatNames(), QStringList{"支票"});
}

TEST_F(StoreTrouble, TheWindowSaysTheStoreIsBusyOnceTheWaitIsOver) {
    std::unique_ptr<Session> session = OpenSession();
    StoreSampleFormat(*session, "支票");
    ASSERT_TRUE(session->Formats().WriteLastUse("支票", {0, 0, 0}));
    MainWindow window(*session, asker_);
    window.StartUp();
    StoreWatch watch(asker_);
    const BusyWait saved = Database::CurrentBusyWait();
    Database::SetBusyWait({400, saved.watcher});
    std::unique_ptr<Database> other = Database::Open(DataFolder::DatabasePath());
    ASSERT_TRUE(other && other->Exec("BEGIN IMMEDIATE"));

    EXPECT_FALSE(window.SaveFormat());
    QCoreApplication::processEvents();
    EXPECT_EQ(asker_.messages, QStringList({"格式保存失败！", StoreTexts::kBusy}));
    EXPECT_FALSE(watch.BusyNote()->isVisible()) << "the note goes with the wait";
    other->Exec("ROLLBACK");
    Database::SetBusyWait({saved.limitMs, {}});
}
