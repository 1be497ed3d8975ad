#include "common/TestServer.h"

#include "store/Database.h"
#include "store/StoreLocation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
const QString kTools = QStringLiteral("/usr/lib/postgresql/15/bin/");

QString ToolPath(const QString& name) {
    // The Debian layout first; otherwise whatever is on PATH.
    return QFile::exists(kTools + name) ? kTools + name : name;
}

void HandOverToNobody(const QString& folder) {
    if (::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) != 0) {}
}
} // namespace

TestServer::TestServer() {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    if (::geteuid() == 0) HandOverToNobody(dir_.path());
    const QString data = dir_.filePath(QStringLiteral("data"));
    // fsync off: a test server's data need not survive a power cut.
    running_ = Tool(ToolPath(QStringLiteral("initdb")),
                    {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
                     QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                     QStringLiteral("--locale=C"), QStringLiteral("-N")})
               && StartServer();
    if (!running_) {
        QFile log(dir_.filePath(QStringLiteral("log")));
        if (log.open(QIODevice::ReadOnly)) error_ += QString::fromUtf8(log.readAll());
        return;
    }
    // A test program that crashes runs no destructor: a watcher stops the server and
    // removes its folder once the program is gone, however it ended.
    QProcess::startDetached(QStringLiteral("sh"),
                            {QStringLiteral("-c"),
                             QStringLiteral("while kill -0 %1 2>/dev/null; do sleep 0.2; done; %2; rm -rf '%3'")
                                 .arg(QString::number(::getpid()), StopCommand(), dir_.path())});
    dir_.setAutoRemove(false);
}

bool TestServer::StartServer() {
    return Tool(ToolPath(QStringLiteral("pg_ctl")),
                {QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                 dir_.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-o"),
                 QStringLiteral("-k %1 -c listen_addresses= -c fsync=off -c max_connections=60")
                     .arg(dir_.path()),
                 QStringLiteral("start")});
}

bool TestServer::Stop() { return running_ && std::system(StopCommand().toLocal8Bit().constData()) == 0; }

bool TestServer::Start() { return running_ && StartServer(); }

QString TestServer::StopCommand() const {
    return QStringLiteral("%1%2 -D '%3' -m immediate -w stop >/dev/null 2>&1")
        .arg(::geteuid() == 0 ? QStringLiteral("runuser -u nobody -- ") : QString(),
             ToolPath(QStringLiteral("pg_ctl")), dir_.filePath(QStringLiteral("data")));
}

TestServer::~TestServer() {
    // Also at the program's end, when no event loop is left for a process object.
    if (running_ && std::system(StopCommand().toLocal8Bit().constData()) != 0) {}
}

bool TestServer::Tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The server refuses to run as root: as root it runs as nobody.
    if (::geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program}
                          + arguments);
    else
        process.start(program, arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (!ok) error_ += program + QStringLiteral(": ") + QString::fromUtf8(process.readAll());
    return ok;
}

QString TestServer::Location(const QString& user, const QString& schema) const {
    QString location = QStringLiteral("host=%1 user=%2 dbname=postgres")
                           .arg(dir_.path(), user.isEmpty() ? QStringLiteral("postgres") : user);
    if (!schema.isEmpty()) location += QStringLiteral(" options='-csearch_path=%1'").arg(schema);
    return location;
}

bool TestServer::Run(const QString& sql) const {
    const std::unique_ptr<Database> db = Database::OpenServer(Location());
    return db && db->Exec(sql);
}

QString TestServer::FreshStore(const QString& user) {
    ++stores_;
    if (!Run(QStringLiteral("CREATE SCHEMA %1").arg(LastSchema()))) return {};
    return Location(user, LastSchema());
}

ServerStoreScope::ServerStoreScope(const QString& location) { StoreLocation::SetOverride(location); }

ServerStoreScope::~ServerStoreScope() { StoreLocation::SetOverride(QString()); }

TestServer* StartedTestServer() {
    static std::unique_ptr<TestServer> server = std::make_unique<TestServer>();
    return server->Running() ? server.get() : nullptr;
}

TestServer* SharedTestServer() {
    static const bool wanted = qEnvironmentVariable("VELLUMARK_TEST_STORE") == QLatin1String("server");
    return wanted ? StartedTestServer() : nullptr;
}
