// TestCertificates: a test certificate authority and a 127.0.0.1 server certificate made with
// openssl.
#include "TestCertificates.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// Our own request settings, so the result does not depend on the machine's openssl.cnf.
const char *const kConfig = "[req]\n"
                            "distinguished_name = dn\n"
                            "prompt = no\n"
                            "[dn]\n"
                            "CN = placeholder\n"
                            "[ca_ext]\n"
                            "basicConstraints = critical, CA:TRUE\n"
                            "keyUsage = critical, keyCertSign, cRLSign\n"
                            "subjectKeyIdentifier = hash\n"
                            "[server_ext]\n"
                            "basicConstraints = critical, CA:FALSE\n"
                            "keyUsage = critical, digitalSignature, keyEncipherment\n"
                            "extendedKeyUsage = serverAuth\n"
                            "subjectAltName = IP:127.0.0.1\n"
                            "authorityKeyIdentifier = keyid\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

bool TestCertificates::runOpenssl(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1 failed: %2 %3")
                      .arg(arguments.join(QLatin1Char(' ')), process.errorString(),
                           QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool TestCertificates::create(const QString &folder)
{
    const QDir dir(folder);
    QFile config(dir.filePath(QStringLiteral("openssl.cnf")));
    if (!config.open(QIODevice::WriteOnly) || config.write(kConfig) < 0) {
        m_error = QStringLiteral("Cannot write %1").arg(config.fileName());
        return false;
    }
    config.close();

    const QStringList newKey{
        QStringLiteral("-newkey"),    QStringLiteral("ec"),
        QStringLiteral("-pkeyopt"),   QStringLiteral("ec_paramgen_curve:prime256v1"),
        QStringLiteral("-nodes"),     QStringLiteral("-config"),
        QStringLiteral("openssl.cnf")};
    if (!runOpenssl(folder,
                    QStringList{"req", "-x509", "-extensions", "ca_ext", "-days", "2", "-subj",
                                "/CN=Quorvandelle Test CA", "-keyout", "ca.key", "-out", "ca.crt"} +
                        newKey) ||
        !runOpenssl(folder, QStringList{"req", "-new", "-subj", "/CN=127.0.0.1", "-keyout",
                                        "server.key", "-out", "server.csr"} +
                                newKey) ||
        !runOpenssl(folder, {"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey",
                             "ca.key", "-set_serial", "2", "-days", "2", "-extfile", "openssl.cnf",
                             "-extensions", "server_ext", "-out", "server.crt"}))
        return false;

    m_ca = QSslCertificate(readAll(dir.filePath(QStringLiteral("ca.crt"))), QSsl::Pem);
    m_server = QSslCertificate(readAll(dir.filePath(QStringLiteral("server.crt"))), QSsl::Pem);
    m_key = QSslKey(readAll(dir.filePath(QStringLiteral("server.key"))), QSsl::Ec, QSsl::Pem);
    if (m_ca.isNull() || m_server.isNull() || m_key.isNull()) {
        m_error = QStringLiteral("The certificates made in %1 cannot be read.").arg(folder);
        return false;
    }
    return true;
}

QSslConfiguration TestCertificates::serverConfiguration() const
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(m_server);
    config.setPrivateKey(m_key);
    config.setPeerVerifyMode(QSslSocket::VerifyNone); // the client shows no certificate
    return config;
}

QSslConfiguration TestCertificates::clientConfiguration() const
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setCaCertificates({m_ca});
    return config;
}
