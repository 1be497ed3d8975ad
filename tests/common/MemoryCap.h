#pragma once
// Reading a hostile file must stay within a memory budget. The body runs in a child
// process whose heap may grow by at most `megabytes` beyond what the test already
// uses; running out ends the child, which the caller sees as failure.
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define VELLUMARK_MEMORY_CAP_WORKS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELLUMARK_MEMORY_CAP_WORKS 0
#endif
#endif
#ifndef VELLUMARK_MEMORY_CAP_WORKS
#define VELLUMARK_MEMORY_CAP_WORKS 1
#endif

// The process's data segment (heap and private writable mappings), in bytes.
inline long long CurrentDataBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("VmData:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() * 1024 : 0;
}

// True when `body` returned true within the cap. Under AddressSanitizer, whose shadow
// memory counts as data, the body runs uncapped.
inline bool RunsWithinMemory(int megabytes, const std::function<bool()>& body) {
    if (!VELLUMARK_MEMORY_CAP_WORKS) return body();
    const pid_t child = fork();
    if (child == 0) {
        const rlim_t cap = rlim_t(CurrentDataBytes()) + rlim_t(megabytes) * 1024 * 1024;
        const rlimit limit{cap, cap};
        setrlimit(RLIMIT_DATA, &limit);
        bool ok = false;
        try {
            ok = body();
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
