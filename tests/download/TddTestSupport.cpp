// The download tests' recording sink and configuration.
#include "TddTestSupport.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUuid>

#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/TddLog.h"

const char kPassword095[] = "pw-095-mode1";
const char kPasswordOther[] = "pw-other-mode1";

void RecordingSink::reportProgress(int value, int code)
{
    {
        QMutexLocker lock(&m_mutex);
        m_reports.append(qMakePair(value, code));
    }
    if (onReport)
        onReport(value, code);
}

void RecordingSink::setRecordCount(int count)
{
    QMutexLocker lock(&m_mutex);
    m_counts.append(count);
}

void RecordingSink::addTaxpayerMessage(const QByteArray &, const QString &message)
{
    QMutexLocker lock(&m_mutex);
    m_messages.append(message);
}

QStringList RecordingSink::messages() const
{
    QMutexLocker lock(&m_mutex);
    return m_messages;
}

Reports RecordingSink::reports() const
{
    QMutexLocker lock(&m_mutex);
    return m_reports;
}

QList<int> RecordingSink::recordCounts() const
{
    QMutexLocker lock(&m_mutex);
    return m_counts;
}

bool RecordingSink::ended() const
{
    QMutexLocker lock(&m_mutex);
    return !m_reports.isEmpty() && m_reports.last().first >= 99;
}

bool TddServiceFixture::initOnce(QString *error)
{
    Q_INIT_RESOURCE(tdd);
    if (!m_certDir.isValid() || !m_certs.create(m_certDir.path())) {
        *error = m_certs.errorString();
        return false;
    }
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
    QDesktopServices::setUrlHandler("https", &links, "open");
    return true;
}

bool TddServiceFixture::startService(const QByteArray &softwareCode)
{
    m_server = std::make_unique<LocalServer>();
    if (!m_server->listen(m_certs.serverConfiguration()))
        return false;
    configureService(m_server->port(), softwareCode);
    links.links.clear();
    return true;
}

void configureService(quint16 port, const QByteArray &softwareCode, const QByteArray &extraLines)
{
    TabWndApp *app = appInstance();
    const QString run =
        testEnvironment().root() + "/run-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(run);
    app->runPath = run;
    app->separator = "/";
    QByteArray ini = "NetfileSoftwareCode=" + softwareCode + "\n" + "TDDEndpoint0=" + kPassword095 +
                     "\nTDDEndpoint2=" + kPasswordOther + "\n";
    if (port != 0)
        ini += "TDDEndpoint8=127.0.0.1:" + QByteArray::number(port) + "\n" +
               "TDDEndpoint12=127.0.0.1:" + QByteArray::number(port) + "\n";
    ini += extraLines; // read last, so they win
    QFile file(run + "/gr_path.ini");
    file.open(QIODevice::WriteOnly);
    file.write(ini);
    file.close();
    app->config.restoreDefaults();
    app->config.readConfigFile(file.fileName().toUtf8());
    app->config.setDefaultServers();
}

QByteArray readTddLog(int type)
{
    QFile file(QString::fromUtf8(tddLogFilePath(type)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray soapReply(const QByteArray &response, const QByteArray &children)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<soapenv:Body><ns2:" +
           response + " xmlns:ns2=\"urn:tdd\">" + children + "</ns2:" + response +
           "></soapenv:Body></soapenv:Envelope>";
}

QByteArray taxDataReply(const QList<QByteArray> &sins)
{
    QByteArray items;
    for (const QByteArray &sin : sins)
        items += "<ns2:IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>" +
                 QCryptographicHash::hash(sin, QCryptographicHash::Sha256).toHex() +
                 "</IndividualTaxpayerIdentifier></ns2:IndividualIncomeTaxDataItem>";
    return soapReply("GetTDDNetfileResponse",
                     "<ReturnCode>20</ReturnCode><ns2:TaxDataDelivery><ns2:TaxData>" + items +
                         "</ns2:TaxData></ns2:TaxDataDelivery>");
}

QByteArray soapFault(const QByteArray &text)
{
    return "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<soapenv:Body><soapenv:Fault><faultcode>soapenv:Server</faultcode><faultstring>" +
           text + "</faultstring></soapenv:Fault></soapenv:Body></soapenv:Envelope>";
}
