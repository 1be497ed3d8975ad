#include "common/TestCertificates.h"

#include <QFile>
#include <QRegularExpression>
#include <QProcess>

namespace {
// Elliptic-curve keys: made in milliseconds, where RSA keys take a noticeable while.
const QStringList kNewKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                          QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
const QString kDays = QStringLiteral("2");

QString AlternativeNames(const QStringList& hosts) {
    static const QRegularExpression address(QStringLiteral("^[0-9.]+$|:"));
    QStringList names;
    for (const QString& host : hosts)
        names << (address.match(host).hasMatch() ? QStringLiteral("IP:") : QStringLiteral("DNS:")) + host;
    return QStringLiteral("subjectAltName=") + names.join(QLatin1Char(','));
}
} // namespace

TestCertificates::TestCertificates() {
    if (!dir_.isValid()) error_ = QStringLiteral("no temporary folder");
}

bool TestCertificates::OpenSsl(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    if (!ok) error_ += QStringLiteral("openssl: ") + QString::fromUtf8(process.readAll()) + process.errorString();
    return ok;
}

QString TestCertificates::Authority(const QString& name) {
    const QString certificate = File(name + QStringLiteral(".crt"));
    if (QFile::exists(certificate)) return certificate;
    const bool made = OpenSsl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + kNewKey
                              + QStringList{QStringLiteral("-keyout"), File(name + QStringLiteral(".key")),
                                            QStringLiteral("-out"), certificate, QStringLiteral("-days"), kDays,
                                            QStringLiteral("-subj"), QStringLiteral("/CN=") + name});
    return made ? certificate : QString();
}

ServerCertificate TestCertificates::SignedBy(const QString& name, const QStringList& hosts) {
    const QString authority = Authority(name);
    const QString stem = File(QStringLiteral("server%1").arg(++signed_));
    const QString extensions = stem + QStringLiteral(".ext");
    QFile names(extensions);
    if (authority.isEmpty() || !names.open(QIODevice::WriteOnly)) return {};
    names.write(AlternativeNames(hosts).toUtf8() + '\n');
    names.close();
    const ServerCertificate made{stem + QStringLiteral(".crt"), stem + QStringLiteral(".key")};
    const bool ok =
        OpenSsl(QStringList{QStringLiteral("req")} + kNewKey
                + QStringList{QStringLiteral("-keyout"), made.key, QStringLiteral("-out"), stem + QStringLiteral(".csr"),
                              QStringLiteral("-subj"), QStringLiteral("/CN=") + hosts.value(0)})
        && OpenSsl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), stem + QStringLiteral(".csr"),
                    QStringLiteral("-CA"), authority, QStringLiteral("-CAkey"), File(name + QStringLiteral(".key")),
                    QStringLiteral("-CAcreateserial"), QStringLiteral("-days"), kDays, QStringLiteral("-extfile"),
                    extensions, QStringLiteral("-out"), made.certificate});
    return ok ? made : ServerCertificate{};
}
