// Damaged files, sessions that did not close, processes starting together, locks held
// by others, unusable data folders and daily backups, on real database files.
#include "StoreFixture.h"

#include "common/OrdinaryUser.h"
#include "core/Progress.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A closed store holding `count` formats of 60 boxes: enough pages to damage some.
void FillStore(int count) {
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    SilentProgress quiet;
    for (int i = 0; i < count; ++i) {
        Format format = GeneratedFormat(QStringLiteral("格式%1").arg(i), 60, QStringLiteral("框"));
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, quiet));
    }
}

// Overwrites 4 KB in the middle of the file, as a bad sector or a stray write would.
void DamageMiddle(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(file.size() / 2));
    file.write(QByteArray(4096, '\x5A'));
}

// The store opened and closed by a child process that is then killed before it closes.
void OpenInAProcessThatIsKilled() {
    const pid_t child = fork();
    if (child == 0) {
        StoreOpening opening = OpenStore();
        kill(getpid(), SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

class StoreHealth : public ::testing::Test {
protected:
    TempDataFolder folder;
};

} // namespace

TEST_F(StoreHealth, MalformedPagesAreReportedAndNothingIsWrittenIntoTheFile) {
    FillStore(30);
    const QString path = DataFolder::DatabasePath();
    DamageMiddle(path);
    const QByteArray damaged = ReadAll(path);
    {
        std::unique_ptr<Database> db = Database::Open(path);
        ASSERT_TRUE(db);
        // The listing meets the damage: it is not "no formats".
        EXPECT_TRUE(FormatStore(*db).FormatNames().isEmpty());
        EXPECT_TRUE(db->Damaged());
        EXPECT_EQ(db->LastFault(), StoreFault::Damaged);
        EXPECT_FALSE(db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('a', 'b')")));
        Database::Transaction transaction(*db);
        EXPECT_FALSE(transaction.Active());
    }
    EXPECT_EQ(ReadAll(path), damaged);
    // The next start checks the whole file, finds it damaged and says so.
    EXPECT_TRUE(QFileInfo::exists(Database::CheckMarkPath(path)));
    const StoreOpening again = OpenStore();
    EXPECT_FALSE(again.db);
    EXPECT_EQ(again.fault, StoreFault::Damaged);
    EXPECT_EQ(again.message, StoreTexts::Damaged(path));
    EXPECT_EQ(ReadAll(path), damaged);
}

TEST_F(StoreHealth, AfterASessionThatDidNotCloseTheWholeFileIsChecked) {
    FillStore(30);
    ASSERT_TRUE(OpenStore().db); // today's backup exists from here on: no copy reads the file
    const QString path = DataFolder::DatabasePath();
    DamageMiddle(path);
    EXPECT_TRUE(OpenStore().db) << "a clean end: no check, the damage is met only where read";

    OpenInAProcessThatIsKilled();
    const StoreOpening opening = OpenStore();
    EXPECT_FALSE(opening.db);
    EXPECT_EQ(opening.fault, StoreFault::Damaged);
    EXPECT_EQ(OpenStore().fault, StoreFault::Damaged) << "still reported at the start after";
}

TEST_F(StoreHealth, ASoundFileAfterAKilledSessionOpensAndStaysUnchecked) {
    FillStore(2);
    OpenInAProcessThatIsKilled();
    ASSERT_TRUE(OpenStore().db);
    EXPECT_FALSE(QFileInfo::exists(Database::CheckMarkPath(DataFolder::DatabasePath())));
    EXPECT_EQ(FormatStore(*OpenStore().db).FormatNames().size(), 2);
}

TEST_F(StoreHealth, EightProcessesStartingOnAnEmptyFolderAllOpenTheSameStore) {
    constexpr int kProcesses = 8;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    QList<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            close(go[1]);
            char start;
            if (read(go[0], &start, 1) != 0) _exit(3);
            // The program's own wait: on a loaded machine the first process may take
            // longer than the tests' short one to build the file.
            Database::SetBusyWait({});
            StoreOpening opening = OpenStore();
            if (!opening.db) _exit(1);
            SilentProgress quiet;
            Format format = GeneratedFormat(QStringLiteral("进程%1").arg(i), 20, QStringLiteral("框"));
            _exit(FormatStore(*opening.db).SaveFormat(format, {}, kScreenWidth, quiet) ? 0 : 2);
        }
        children << child;
    }
    close(go[0]);
    close(go[1]); // all start at once
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << WEXITSTATUS(status);
    }
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(FormatStore(*db).FormatNames().size(), kProcesses);
}

TEST_F(StoreHealth, AWriterWaitsForTheLockShowingTheWaitThenGivesUpWithBusy) {
    std::unique_ptr<Database> db = OpenDataDatabase();
    std::unique_ptr<Database> other = Database::Open(DataFolder::DatabasePath());
    ASSERT_TRUE(db && other);
    const BusyWait saved = Database::CurrentBusyWait();
    QList<int> waits;
    Database::SetBusyWait({2000, [&waits](int waited) { waits << waited; }});
    const QString insert = QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('k', 'v')");

    ASSERT_TRUE(other->Exec(QStringLiteral("BEGIN IMMEDIATE")));
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        other->Exec(QStringLiteral("ROLLBACK"));
    });
    EXPECT_TRUE(db->Exec(insert)) << db->LastError().toStdString();
    release.join();
    ASSERT_GE(waits.size(), 2);
    EXPECT_GT(waits.first(), 0);
    EXPECT_EQ(waits.last(), 0) << "the wait is over";

    Database::SetBusyWait({300, {}});
    ASSERT_TRUE(other->Exec(QStringLiteral("BEGIN IMMEDIATE")));
    EXPECT_FALSE(db->Exec(insert));
    EXPECT_EQ(db->LastFault(), StoreFault::Busy);
    EXPECT_EQ(FaultMessage(db->LastFault(), db->Path()), StoreTexts::kBusy);
    other->Exec(QStringLiteral("ROLLBACK"));
    Database::SetBusyWait(saved);
}

TEST_F(StoreHealth, AnUnusableDataFolderIsNamedWithTheReason) {
    QFile plain(folder.File(QStringLiteral("file")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    DataFolder::SetOverride(plain.fileName());
    const StoreOpening onFile = OpenStore();
    EXPECT_FALSE(onFile.db);
    EXPECT_EQ(onFile.message, StoreTexts::FolderUnusable(plain.fileName(), StoreTexts::kIsAFile));

    const QString readOnly = folder.File(QStringLiteral("readonly"));
    DataFolder::SetOverride(readOnly);
    ASSERT_TRUE(OpenStore().db);
    const int code = RunAsOrdinaryUser(folder.Path(), [&readOnly] {
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const StoreOpening opening = OpenStore();
        return !opening.db && opening.message
                   == StoreTexts::FolderUnusable(readOnly, StoreTexts::kNotWritable) ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    DataFolder::SetOverride(folder.Path());
}

TEST_F(StoreHealth, AReadOnlyIndexLeftBehindIsRecoveredOnceTheFolderIsWritable) {
    FillStore(1);
    const int code = RunAsOrdinaryUser(folder.Path(), [] {
        const QString shm = DataFolder::DatabasePath() + QStringLiteral("-shm");
        QFile stale(shm);
        if (!stale.open(QIODevice::WriteOnly)) return 2;
        stale.write(QByteArray(32768, '\0'));
        stale.close();
        QFile::setPermissions(shm, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        const StoreOpening opening = OpenStore();
        return opening.db && FormatStore(*opening.db).FormatNames().size() == 1 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}

TEST_F(StoreHealth, DailyBackupsKeepTheNewestSevenAndOneCanBeRestored) {
    FillStore(3);
    // Opened without the start-up steps, so today's own backup does not join in.
    std::unique_ptr<Database> db = Database::Open(DataFolder::DatabasePath());
    ASSERT_TRUE(db);
    for (int day = 1; day <= 9; ++day) ASSERT_TRUE(BackUpOncePerDay(*db, QDate(2024, 3, day)));
    const QStringList backups = BackupFiles();
    ASSERT_EQ(backups.size(), kBackupsKept);
    EXPECT_TRUE(backups.first().endsWith(QStringLiteral("/Backup/DATA-20240309.db")));
    EXPECT_TRUE(backups.last().endsWith(QStringLiteral("/Backup/DATA-20240303.db")));
    db.reset();

    const QString path = DataFolder::DatabasePath();
    DamageMiddle(path);
    const QByteArray damaged = ReadAll(path);
    const RestoreOutcome outcome = RestoreBackup(backups.first());
    ASSERT_TRUE(outcome.restored) << outcome.problem.toStdString();
    EXPECT_EQ(ReadAll(outcome.keptAs), damaged) << "the damaged file is kept, never deleted";
    db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(FormatStore(*db).FormatNames().size(), 3);
    EXPECT_FALSE(RestoreBackup(path + QStringLiteral(".none")).restored);
}

TEST_F(StoreHealth, StoredValuesOutsideTheLimitsOpenClampedForDrawing) {
    std::unique_ptr<Database> db = OpenDataDatabase();
    Format format = GeneratedFormat(QStringLiteral("巨大"), 2, QStringLiteral("框"));
    format.boxes[0].x = 1e300;
    format.boxes[0].fontSize = 1e6;
    format.boxes[1].kind = BoxKind::Line;
    format.boxes[1].fontSize = 0.3;
    SilentProgress quiet;
    ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, quiet));
    format.page.width = 1e9;
    format.page.height = -4;
    format.page.offsetX = -1e300;
    ASSERT_TRUE(FormatStore(*db).SavePageParams(format.name, format.page, kScreenWidth));

    const std::optional<Format> loaded = FormatStore(*db).LoadFormat(format.name, kScreenWidth);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->page.width, 5000);
    EXPECT_EQ(loaded->page.height, 1);
    EXPECT_EQ(loaded->page.offsetX, 10 - 1000);
    EXPECT_EQ(loaded->boxes[0].x, 10000);
    EXPECT_EQ(loaded->boxes[0].fontSize, 1000);
    EXPECT_EQ(loaded->boxes[1].fontSize, 0.3) << "values in range stay exactly";
}

// The log is kept beside the store between sessions, but emptied into the store by the
// last one to close: the store file alone holds everything then, as a backup or a copy
// of it expects. An emptied log keeps its blocks but has no header, so no session
// reads anything from it.
TEST_F(StoreHealth, TheLogOutlivesASessionEmptyAndTheStoreFileHoldsItAll) {
    FillStore(3);
    const QString path = DataFolder::DatabasePath();
    const QByteArray log = ReadAll(path + QStringLiteral("-wal"));
    ASSERT_TRUE(QFileInfo::exists(path + QStringLiteral("-wal")));
    EXPECT_EQ(log.left(32), QByteArray(qMin<qsizetype>(log.size(), 32), '\0'));

    const QString copy = folder.File(QStringLiteral("copy/DATA.db"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()));
    ASSERT_TRUE(QFile::copy(path, copy));
    DataFolder::SetOverride(QFileInfo(copy).path());
    const StoreOpening opening = OpenStore();
    ASSERT_TRUE(opening.db);
    EXPECT_EQ(FormatStore(*opening.db).FormatNames().size(), 3);
    DataFolder::SetOverride(folder.Path());
}

// An office puts an older copy of the store back by hand, beside the log and index of
// the sessions since: neither may bring those sessions' pages into the copy.
TEST_F(StoreHealth, AStoreReplacedByHandReadsAsTheCopyBesideTheLogOfLaterSessions) {
    FillStore(2);
    const QString path = DataFolder::DatabasePath();
    const QByteArray older = ReadAll(path);
    for (int session = 0; session < 2; ++session) {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db);
        SilentProgress quiet;
        Format format =
            GeneratedFormat(QStringLiteral("后来%1").arg(session), 60, QStringLiteral("框"));
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, quiet));
    }
    ASSERT_GT(QFileInfo(path + QStringLiteral("-wal")).size(), 32) << "the log keeps its frames";
    ASSERT_GT(QFileInfo(path + QStringLiteral("-shm")).size(), 0);

    QFile replaced(path);
    ASSERT_TRUE(replaced.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(replaced.write(older), older.size());
    replaced.close();
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->CheckIntegrity());
    EXPECT_EQ(FormatStore(*db).FormatNames().size(), 2);
}
