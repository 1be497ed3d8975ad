#pragma once
// Certificate authorities of a test's own and the server certificates they sign, made
// with the openssl command line in a temporary folder: a TLS test needs no file from
// outside and no authority the machine trusts.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ServerCertificate {
    QString certificate; // PEM, signed by the authority it was made for
    QString key;         // PEM, without a passphrase
};

class TestCertificates {
public:
    TestCertificates();
    // Makes the authority `name` once; the path of its self-signed certificate, empty
    // when openssl failed (see Error()).
    QString Authority(const QString& name);
    // A certificate for a server answering to `hosts` (names or IP addresses, all put
    // in the certificate's alternative names), signed by the authority `name`.
    ServerCertificate SignedBy(const QString& name, const QStringList& hosts);
    QString Error() const { return error_; }

private:
    bool OpenSsl(const QStringList& arguments);
    QString File(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString error_;
    int signed_ = 0;
};
