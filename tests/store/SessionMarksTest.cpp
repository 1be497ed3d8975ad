// Session marks on a real data folder: a live session's mark is never taken, a mark
// whose process is gone is, however it was left.
#include "common/TempDataFolder.h"
#include "store/DataFolder.h"
#include "store/SessionMarks.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList MarkFiles() {
    return QDir(DataFolder::TempPath() + QStringLiteral("/Sessions")).entryList(QDir::Files);
}

void Write(const QString& name, const QByteArray& content) {
    QFile file(DataFolder::TempPath() + QStringLiteral("/Sessions/") + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TEST(SessionMarks, ALiveSessionKeepsItsMarkAndAClosedOneLeavesNone) {
    TempDataFolder folder;
    {
        const std::shared_ptr<SessionMark> mark = MarkSessionOpen();
        ASSERT_TRUE(mark);
        ASSERT_EQ(MarkFiles().size(), 1);
        EXPECT_TRUE(MarkFiles().first().endsWith(QStringLiteral(".session")));
        EXPECT_TRUE(TakeEndedSessionMarks().isEmpty()) << "the mark is locked by its session";
        EXPECT_NE(MarkSessionOpen(), nullptr) << "a second store in the same process gets its own";
    }
    EXPECT_TRUE(MarkFiles().isEmpty());
    EXPECT_TRUE(TakeEndedSessionMarks().isEmpty());
}

TEST(SessionMarks, MarksOfGoneProcessesAreTakenOnceAndRemovedWhenDropped) {
    TempDataFolder folder;
    const pid_t child = fork();
    if (child == 0) {
        const std::shared_ptr<SessionMark> mark = MarkSessionOpen();
        _exit(mark ? 0 : 1); // gone without dropping it: the file stays, its lock does not
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // A mark an earlier version wrote with its process's details, and a mark being made
    // (not yet named as one), which is no session's mark.
    Write(QStringLiteral("123-old-1.session"), "123\nvellumark\nhost\n");
    Write(QStringLiteral("77-x-1.session-new"), {});
    ASSERT_EQ(MarkFiles().size(), 3);

    EndedSessionMarks ended = TakeEndedSessionMarks();
    EXPECT_EQ(ended.size(), 2);
    EXPECT_TRUE(TakeEndedSessionMarks().isEmpty()) << "taken marks are held until dropped";
    ended.clear();
    EXPECT_EQ(MarkFiles(), QStringList{QStringLiteral("77-x-1.session-new")});
}

} // namespace
