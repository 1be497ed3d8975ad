#include "store/InPlaceEmptying.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Truncate = int (*)(int, off_t);

// The file system's own cut, as the store's file layer had it before.
Truncate systemTruncate = &::ftruncate;

// The log's header: its first 32 bytes (magic number, page size, salts, checksum).
constexpr size_t kLogHeaderBytes = 32;

// Larger files are cut after all: a session that wrote this much (a batch, a
// compaction) gives the space back to the disk.
constexpr off_t kMostKeptBytes = 1 << 20;

// Which of a store's side files `fd` is, by the name it was opened under: "-shm" or
// "-wal", or empty for any other file (or when the name cannot be read).
std::string_view SideFileKind(int fd) {
    char link[40];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path);
    if (length < 4 || length >= ssize_t(sizeof path)) return {};
    const std::string_view name(path, size_t(length));
    for (std::string_view kind : {"-shm", "-wal"})
        if (name.substr(name.size() - 4) == kind) return kind;
    return {};
}

bool WriteZeros(int fd, off_t from, off_t to) {
    static const char zeros[32768] = {};
    while (from < to) {
        const size_t count = size_t(std::min<off_t>(to - from, off_t(sizeof zeros)));
        const ssize_t written = ::pwrite(fd, zeros, count, from);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        from += written;
    }
    return true;
}

bool EmptyInPlace(int fd, std::string_view kind) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_size > kMostKeptBytes) return false;
    if (kind == "-wal") return WriteZeros(fd, 0, std::min<off_t>(status.st_size, off_t(kLogHeaderBytes)));
    return WriteZeros(fd, 0, status.st_size);
}

int TruncateKeepingSideFileBlocks(int fd, off_t size) {
    if (size == 0) {
        const std::string_view kind = SideFileKind(fd);
        if (!kind.empty() && EmptyInPlace(fd, kind)) return 0;
    }
    return systemTruncate(fd, size);
}

bool Install() {
    sqlite3_vfs* files = sqlite3_vfs_find(nullptr);
    if (!files || files->iVersion < 3 || !files->xSetSystemCall || !files->xGetSystemCall) return false;
    if (const sqlite3_syscall_ptr current = files->xGetSystemCall(files, "ftruncate"))
        systemTruncate = reinterpret_cast<Truncate>(current);
    return files->xSetSystemCall(files, "ftruncate",
                                 reinterpret_cast<sqlite3_syscall_ptr>(&TruncateKeepingSideFileBlocks))
           == SQLITE_OK;
}

} // namespace

void EmptyIndexAndLogInPlace() {
    // Set once, before any file of the file layer is open: the table is not guarded.
    [[maybe_unused]] static const bool installed = Install();
}
