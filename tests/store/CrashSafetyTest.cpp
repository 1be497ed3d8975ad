// A process killed in the middle of saving a large format leaves a sound file that
// holds the old format or the new one, completely.
#include "StoreFixture.h"

#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "core/Progress.h"

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kOldBoxes = 3000;
constexpr int kNewBoxes = 2000;

// Saves the two versions in turn until killed; tells the parent when it starts.
[[noreturn]] void SaveForever(const QString& path, int readyFd) {
    std::unique_ptr<Database> db = Database::Open(path);
    if (!db) _exit(1);
    FormatStore store(*db);
    SilentProgress progress;
    Format oldVersion = GeneratedFormat(QStringLiteral("大"), kOldBoxes, QStringLiteral("旧"));
    Format newVersion = GeneratedFormat(QStringLiteral("大"), kNewBoxes, QStringLiteral("新"));
    const char ready = 'r';
    if (write(readyFd, &ready, 1) != 1) _exit(1);
    for (;;) {
        store.SaveFormat(newVersion, {}, kScreenWidth, progress);
        store.SaveFormat(oldVersion, {}, kScreenWidth, progress);
    }
}

} // namespace

TEST(CrashSafety, KilledDuringSaveFormatLeavesTheOldOrTheNewFormat) {
    TempDataFolder folder;
    {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db);
        Format format = GeneratedFormat(QStringLiteral("大"), kOldBoxes, QStringLiteral("旧"));
        SilentProgress progress;
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, kScreenWidth, progress));
    }
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMs(20, 600);
    for (int round = 0; round < 6; ++round) {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            SaveForever(DataFolder::DatabasePath(), pipeFds[1]);
        }
        close(pipeFds[1]);
        char ready = 0;
        ASSERT_EQ(read(pipeFds[0], &ready, 1), 1);
        close(pipeFds[0]);
        usleep(useconds_t(delayMs(random)) * 1000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        std::unique_ptr<Database> db = Database::Open(DataFolder::DatabasePath());
        ASSERT_TRUE(db);
        EXPECT_EQ(db->Query(QStringLiteral("PRAGMA integrity_check")).rows[0][0].toString(),
                  QStringLiteral("ok"));
        const std::optional<Format> format = FormatStore(*db).LoadFormat(QStringLiteral("大"), kScreenWidth);
        ASSERT_TRUE(format);
        const bool isNew = format->boxes.size() == kNewBoxes;
        ASSERT_TRUE(isNew || format->boxes.size() == kOldBoxes) << format->boxes.size();
        const QString prefix = isNew ? QStringLiteral("新") : QStringLiteral("旧");
        for (const BoxRecord& box : format->boxes) ASSERT_TRUE(box.label.startsWith(prefix));
        EXPECT_EQ(db->Query(QStringLiteral("SELECT count(*) FROM Fmt WHERE LBL=?"), {kPageParamsLabel})
                      .rows[0][0].toInt(),
                  1);
    }
}
