#include "common/TestServer.h"

#include "common/TestCertificates.h"

#include "store/Database.h"
#include "store/StoreLocation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <cstdlib>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
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

// A port nothing listens on now: the kernel's pick for a socket bound to port 0.
int FreeLoopbackPort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    const bool bound = ::bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0
                       && ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    ::close(probe);
    return bound ? ntohs(address.sin_port) : 0;
}

// The server reads its key only when no one else may (mode 0600, its own user's).
bool CopyForServer(const QString& from, const QString& to) {
    if (!QFile::copy(from, to) || !QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner))
        return false;
    if (::geteuid() == 0) HandOverToNobody(to);
    return true;
}
} // namespace

TestServer::TestServer() { Init(nullptr); }

TestServer::TestServer(const ServerCertificate& tls) { Init(&tls); }

void TestServer::Init(const ServerCertificate* tls) {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    if (::geteuid() == 0) HandOverToNobody(dir_.path());
    const QString data = dir_.filePath(QStringLiteral("data"));
    // fsync off: a test server's data need not survive a power cut.
    options_ = QStringLiteral("-k %1 -c fsync=off -c max_connections=60").arg(dir_.path());
    running_ = Tool(ToolPath(QStringLiteral("initdb")),
                    {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
                     QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                     QStringLiteral("--locale=C"), QStringLiteral("-N")});
    if (running_ && tls) {
        port_ = FreeLoopbackPort();
        running_ = port_ != 0 && CopyForServer(tls->certificate, data + QStringLiteral("/server.crt"))
                   && CopyForServer(tls->key, data + QStringLiteral("/server.key"));
        options_ += QStringLiteral(" -p %1 -c listen_addresses=127.0.0.1 -c ssl=on").arg(port_);
    } else {
        options_ += QStringLiteral(" -c listen_addresses=");
    }
    running_ = running_ && StartServer();
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
                 dir_.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-o"), options_,
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
    QString location = QStringLiteral("host=%1 port=%2 user=%3 dbname=postgres")
                           .arg(dir_.path(), QString::number(port_),
                                user.isEmpty() ? QStringLiteral("postgres") : user);
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
