// TestCertificates: a test certificate authority and a 127.0.0.1 server certificate made with
// openssl.
#pragma once

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QString>

// The files are made at test time in a folder of the test's own, so no key is ever
// committed and every run has fresh ones.
class TestCertificates
{
public:
    // Runs the openssl command in folder. False, with errorString set, when it fails.
    bool create(const QString &folder);
    QString errorString() const { return m_error; }

    QSslCertificate caCertificate() const { return m_ca; }
    QSslCertificate serverCertificate() const { return m_server; }
    QSslKey serverKey() const { return m_key; }

    // For the local server: its certificate and key.
    QSslConfiguration serverConfiguration() const;
    // For the client under test: the default configuration that trusts only the test
    // authority. Peer verification stays on.
    QSslConfiguration clientConfiguration() const;

private:
    bool runOpenssl(const QString &folder, const QStringList &arguments);

    QSslCertificate m_ca;
    QSslCertificate m_server;
    QSslKey m_key;
    QString m_error;
};
