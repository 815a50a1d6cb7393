// QWebClient's file download and single-send form post against the local server.
#include <QtTest>

#include <memory>

#include "LocalServer.h"
#include "ordane/QWebClient.h"

Q_DECLARE_METATYPE(LocalServer::Response)

class TestWebDownload : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void download_data();
    void download();
    void unwritableTarget();
    void sendOnce();

private:
    std::unique_ptr<LocalServer> m_server;
    QTemporaryDir m_dir;
};

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

void TestWebDownload::init()
{
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen());
    QVERIFY(m_dir.isValid());
}

void TestWebDownload::cleanup()
{
    m_server.reset();
}

void TestWebDownload::download_data()
{
    QTest::addColumn<LocalServer::Response>("reply");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("error");
    const QByteArray binary("%PDF\0\r\n\xff end", 11);
    QTest::newRow("200") << LocalServer::Response::answer(200, binary) << true << binary
                         << int(QWebClient::NoError);
    QTest::newRow("empty 204") << LocalServer::Response::answer(204, "") << true << QByteArray()
                               << int(QWebClient::NoError);
    QTest::newRow("404 page") << LocalServer::Response::answer(404, "Not here") << false
                              << QByteArray("old") << int(QWebClient::HttpStatusFailed);
    QTest::newRow("closed") << LocalServer::Response::closeWithoutAnswer() << false
                            << QByteArray("old") << int(QWebClient::NetworkFailed);
}

void TestWebDownload::download()
{
    QFETCH(LocalServer::Response, reply);
    const QString path = m_dir.filePath("target.pdf");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    m_server->setResponse("/t.pdf", reply);
    QWebClient client(m_server->url("/t.pdf"));
    QTEST(client.getDownloadFile(path), "written");
    QTEST(contents(path), "file");
    QTEST(int(client.error()), "error");
    const QList<LocalServer::Request> sent = m_server->requests();
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.first().method, QByteArray("GET"));
    QCOMPARE(sent.first().body, QByteArray());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"target.pdf"});
}

void TestWebDownload::unwritableTarget()
{
    m_server->setResponse("/t.pdf", LocalServer::Response::answer(200, "new"));
    QWebClient client(m_server->url("/t.pdf"));
    const QString path = m_dir.filePath("no such folder/target.pdf");
    QCOMPARE(client.getDownloadFile(path), false);
    QCOMPARE(client.errorString(), QString("The file \"%1\" cannot be written.").arg(path));
    QCOMPARE(QFile::exists(path), false);
}

// Qt sends a post again when its connection closed before any reply byte; this client's
// posts never are: a report or a record reaches the server at most once.
void TestWebDownload::sendOnce()
{
    m_server->setResponse("/report", LocalServer::Response::closeWithoutAnswer());
    QWebClient client(m_server->url("/report"));
    client.addQueryItem("status", "30100");
    QString reply = "unchanged";
    QCOMPARE(client.post(reply), false);
    QCOMPARE(reply, QString("unchanged"));
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().first().body, QByteArray("status=30100"));
}

QTEST_GUILESS_MAIN(TestWebDownload)
#include "tst_WebDownload.moc"
