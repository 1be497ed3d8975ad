// Emptying a store's index and log keeps their blocks; any other file is cut as before.
#include "common/TempDataFolder.h"
#include "store/InPlaceEmptying.h"

#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// `path` filled with `size` bytes of 0x5A, then emptied by the store's file layer.
QByteArray EmptiedThroughTheFileLayer(const QString& path, qsizetype size = 65536) {
    EmptyIndexAndLogInPlace();
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(QByteArray(size, '\x5A')) != size) return "?";
    file.flush();
    sqlite3_vfs* files = sqlite3_vfs_find(nullptr);
    const auto truncate = reinterpret_cast<int (*)(int, off_t)>(files->xGetSystemCall(files, "ftruncate"));
    if (truncate(file.handle(), 0) != 0) return "?";
    file.close();
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

TEST(InPlaceEmptying, TheIndexIsZeroedTheLogLosesItsHeaderAndOtherFilesAreCut) {
    TempDataFolder folder;
    EXPECT_EQ(EmptiedThroughTheFileLayer(folder.File("DATA.db-shm")), QByteArray(65536, '\0'));
    const QByteArray log = EmptiedThroughTheFileLayer(folder.File("DATA.db-wal"));
    EXPECT_EQ(log, QByteArray(32, '\0') + QByteArray(65536 - 32, '\x5A'));
    EXPECT_EQ(EmptiedThroughTheFileLayer(folder.File("DATA.db")), QByteArray());
    EXPECT_EQ(EmptiedThroughTheFileLayer(folder.File("notes-wal.txt")), QByteArray());
    // A big session's log gives its space back.
    EXPECT_EQ(EmptiedThroughTheFileLayer(folder.File("BIG.db-wal"), 2 << 20), QByteArray());
}
