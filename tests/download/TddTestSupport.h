// What the download tests share: a recording progress sink and the service's configuration.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

#include "LocalServer.h"
#include "TestCertificates.h"

#include "download/TddProgressSink.h"

using Report = QPair<int, int>;
using Reports = QList<Report>;

// Records every call, from any thread.
class RecordingSink : public TddProgressSink
{
public:
    explicit RecordingSink(const QList<QByteArray> &sins = {}) : m_sins(sins) {}

    QList<QByteArray> requestedSins() const override { return m_sins; }
    bool acceptsProgress() const override { return m_enabled; }
    void reportProgress(int value, int code) override;
    void setRecordCount(int count) override;
    void addTaxpayerMessage(const QByteArray &sin, const QString &message) override;

    void setEnabled(bool enabled) { m_enabled = enabled; }
    // Called after each report is recorded, on the reporting thread.
    std::function<void(int value, int code)> onReport;
    Reports reports() const;
    QList<int> recordCounts() const;
    QStringList messages() const;
    // True once a report of value 99 or more has come.
    bool ended() const;

private:
    QList<QByteArray> m_sins;
    bool m_enabled = true;
    mutable QMutex m_mutex;
    Reports m_reports;
    QList<int> m_counts;
    QStringList m_messages;
};

// Catches the links the program asks the desktop to open.
class LinkCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> links;
public slots:
    void open(const QUrl &url) { links << url; }
};

// The download's service played by a local HTTPS server with a test authority that every
// client of the process trusts, and the links opened in the "browser".
class TddServiceFixture
{
public:
    // Once per test binary: the authority, its trust, the link catcher, the templates.
    bool initOnce(QString *error);
    // A fresh service that the configuration points at (see configureService).
    bool startService(const QByteArray &softwareCode = "095");
    void stopService() { m_server.reset(); }
    LocalServer &service() { return *m_server; }

    LinkCatcher links;

private:
    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
};

// Points the configuration at a local service "127.0.0.1:port" (0 leaves the placeholder
// hosts) with these passwords and software code, as a path file would; extraLines are
// further path-file lines, read last. The run folder becomes a fresh folder of the test's own.
void configureService(quint16 port, const QByteArray &softwareCode,
                      const QByteArray &extraLines = QByteArray());
// The passwords the configuration gets: production, by software code "095" or another.
extern const char kPassword095[];
extern const char kPasswordOther[];
// A whole log of the run folder ("tddlog.txt" type 0, "tddlog2.txt" type 1).
QByteArray readTddLog(int type);
// A SOAP reply with the response element (prefix ns2) holding these children.
QByteArray soapReply(const QByteArray &response, const QByteArray &children);
QByteArray soapFault(const QByteArray &text);
// A get reply with ReturnCode 20 and one empty Auto-fill item per S.I.N., each named by the
// SHA-256 digest of its S.I.N. as the service names it.
QByteArray taxDataReply(const QList<QByteArray> &sins);
