#include "common/OrdinaryUser.h"

#include <QDirIterator>
#include <QFile>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;

void HandOver(const QString& folder) {
    const auto give = [](const QString& path) {
        if (::chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0) {}
    };
    give(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) give(it.next());
}
} // namespace

int RunAsOrdinaryUser(const QString& folder, const std::function<int()>& body) {
    const bool root = ::geteuid() == 0;
    if (root) HandOver(folder);
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(125);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
