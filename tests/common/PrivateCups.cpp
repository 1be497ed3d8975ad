#include "common/PrivateCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// The filters run as the spooler's own user, which must reach the spool folders.
void OpenToAll(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                    | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

int Run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return -1;
    if (output) *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

PrivateCups::PrivateCups(int jobsPerQueue) : previousServer_(qgetenv("CUPS_SERVER")) {
    if (!dir_.isValid()) {
        problem_ = QStringLiteral("no temporary folder");
        return;
    }
    const QDir root(dir_.path());
    for (const char* sub : {"spool", "cache", "state", "logs", "out", "ppd", "spool/tmp"}) root.mkpath(sub);
    for (const QString& sub : {QString(), QStringLiteral("spool"), QStringLiteral("cache"), QStringLiteral("state"),
                               QStringLiteral("logs"), QStringLiteral("out"), QStringLiteral("ppd"),
                               QStringLiteral("spool/tmp")})
        OpenToAll(root.filePath(sub));
    const QString socket = root.filePath(QStringLiteral("state/cups.sock"));
    const QString logs = root.filePath(QStringLiteral("logs"));
    WriteText(root.filePath(QStringLiteral("cupsd.conf")),
              QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\nMaxJobsPerPrinter %2\n"
                             "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                  .arg(socket)
                  .arg(jobsPerQueue));
    // As root the spooler refuses to run its filters as root: they run as "lp".
    const QString user = geteuid() == 0 ? QStringLiteral("User lp\nGroup lp\n") : QString();
    WriteText(root.filePath(QStringLiteral("cups-files.conf")),
              QStringLiteral("FileDevice Yes\nServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                             "StateDir %1/state\nTempDir %1/spool/tmp\nErrorLog %2/error_log\n"
                             "AccessLog %2/access_log\nPageLog %2/page_log\n%3")
                  .arg(root.path(), logs, user));
    if (!QProcess::startDetached(QStringLiteral("cupsd"),
                                 {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                                  QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))},
                                 root.path(), &pid_)) {
        problem_ = QStringLiteral("cupsd could not be started (package cups)");
        return;
    }
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    QElapsedTimer waited;
    waited.start();
    while (!Running() && waited.elapsed() < 20000) QThread::msleep(200);
    if (!Running()) problem_ = QStringLiteral("the private cupsd did not answer");
}

PrivateCups::~PrivateCups() {
    if (pid_ > 0) {
        ::kill(pid_t(pid_), SIGTERM);
        QThread::msleep(300);
    }
    if (previousServer_.isNull()) qunsetenv("CUPS_SERVER");
    else qputenv("CUPS_SERVER", previousServer_);
}

bool PrivateCups::Running() const {
    QString output;
    return Run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &output) == 0
           && output.contains(QStringLiteral("is running"));
}

QString PrivateCups::OutputPath(const QString& name) const {
    return QDir(dir_.path()).filePath(QStringLiteral("out/") + name + QStringLiteral(".prn"));
}

QString PrivateCups::AddQueue(const QString& name, const QString& model, const QStringList& options) {
    if (!problem_.isEmpty()) return problem_;
    QStringList arguments{QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("file://") + OutputPath(name), QStringLiteral("-m"), model};
    for (const QString& option : options) arguments << QStringLiteral("-o") << option;
    QString output;
    if (Run(QStringLiteral("lpadmin"), arguments, &output) != 0)
        return QStringLiteral("lpadmin refused the queue: ") + output;
    return {};
}

void PrivateCups::RefuseJobs(const QString& name, bool refuse) {
    Run(refuse ? QStringLiteral("cupsreject") : QStringLiteral("cupsaccept"), {name});
}

void PrivateCups::HoldJobs(const QString& name, bool hold) {
    if (hold) {
        Run(QStringLiteral("cupsdisable"), {name});
        return;
    }
    Run(QStringLiteral("cancel"), {QStringLiteral("-a"), name});
    Run(QStringLiteral("cupsenable"), {name});
}

void PrivateCups::ClearOutput(const QString& name) {
    QFile::remove(OutputPath(name));
    // Held until WaitForOutput lets them print one at a time: the file device writes
    // each job over the last one's stream.
    Run(QStringLiteral("cupsdisable"), {name});
}

QStringList PrivateCups::PendingJobs(const QString& name) const {
    QString listing;
    if (Run(QStringLiteral("lpstat"), {QStringLiteral("-o"), name}, &listing) != 0) return {};
    QStringList jobs;
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) jobs << line.section(u' ', 0, 0);
    const auto number = [](const QString& job) { return job.section(u'-', -1).toInt(); };
    std::sort(jobs.begin(), jobs.end(), [&](const QString& a, const QString& b) { return number(a) < number(b); });
    return jobs;
}

QByteArray PrivateCups::WaitForOutput(const QString& name) {
    const QStringList jobs = PendingJobs(name);
    for (const QString& job : jobs) Run(QStringLiteral("lp"), {QStringLiteral("-i"), job, QStringLiteral("-H"), QStringLiteral("hold")});
    Run(QStringLiteral("cupsenable"), {name});
    QByteArray streams;
    for (const QString& job : jobs) {
        QFile::remove(OutputPath(name));
        Run(QStringLiteral("lp"), {QStringLiteral("-i"), job, QStringLiteral("-H"), QStringLiteral("resume")});
        const QByteArray stream = WaitForJob(name, job);
        if (stream.isEmpty()) return {};
        streams += stream;
    }
    return streams;
}

QByteArray PrivateCups::WaitForJob(const QString& name, const QString& job) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 120000) {
        QThread::msleep(300);
        if (PendingJobs(name).contains(job)) continue;
        QFile file(OutputPath(name));
        if (QFileInfo(file).size() > 0 && file.open(QIODevice::ReadOnly)) return file.readAll();
    }
    return {};
}
