// Release-information query and new-release check against the local HTTPS server, the reply
// reading rules, and the main window asking on each showing.
#include <QtTest>

#include <memory>

#include "LocalServer.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/CWebInfoUtil.h"
#include "app/TabWndApp.h"
#include "ordane/MsgBox.h"
#include "ui/MainWindow.h"

namespace {

const QString newVersionText =
    "There is a new version of Quorvandelle 2025. You can go to https://www.quorvandelle.invalid "
    "to download/install it again.";

} // namespace

Q_DECLARE_METATYPE(LocalServer::Response)

class TestReleaseCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readReply_data();
    void readReply();
    void query_data();
    void query();
    void longWordIsCut();
    void testingModeSendsNothing();
    void placeholderHostSendsNothing();
    void infoServerKey();
    void boundedReply_data();
    void boundedReply();
    void mainWindowAsksOnEachShowing();

private:
    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
};

void TestReleaseCheck::initTestCase()
{
    QVERIFY(m_certDir.isValid());
    QVERIFY2(m_certs.create(m_certDir.path()), qPrintable(m_certs.errorString()));
    // The query builds its own client: it trusts the test authority through the default
    // configuration of this test process.
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
}

void TestReleaseCheck::init()
{
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    TabWndApp *app = appInstance();
    app->config.InfoServer = QString("127.0.0.1:%1").arg(m_server->port());
    app->config.MODEDEBUG = false;
}

void TestReleaseCheck::cleanup()
{
    m_server.reset();
}

void TestReleaseCheck::readReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("word");
    QTest::newRow("status and word") << QByteArray("200 20260401") << 200 << QByteArray("20260401");
    QTest::newRow("blanks around")
        << QByteArray(" \r\n 201\t\n20260401 more\n") << 201 << QByteArray("20260401");
    QTest::newRow("word glued to status") << QByteArray("200abc def") << 200 << QByteArray("abc");
    QTest::newRow("status only") << QByteArray("200") << 200 << QByteArray();
    QTest::newRow("signed") << QByteArray("-5 x") << -5 << QByteArray("x");
    QTest::newRow("plus sign") << QByteArray("+199 y") << 199 << QByteArray("y");
    QTest::newRow("empty") << QByteArray() << -1 << QByteArray();
    QTest::newRow("HTML page") << QByteArray("<html>200 x</html>") << -1 << QByteArray();
    QTest::newRow("sign without digits") << QByteArray("- 200 x") << -1 << QByteArray();
    QTest::newRow("huge status held at the limit")
        << QByteArray("99999999999999999999 w") << 2147483647 << QByteArray("w");
    QTest::newRow("huge negative")
        << QByteArray("-99999999999999999999 w") << int(-2147483647 - 1) << QByteArray("w");
    QTest::newRow("zero byte ends the word")
        << QByteArray("200 ab\0cd", 9) << 200 << QByteArray("ab");
    QTest::newRow("255 bytes kept") << "200 " + QByteArray(255, 'z') << 200 << QByteArray(255, 'z');
    QTest::newRow("256 bytes cut") << "200 " + QByteArray(256, 'z') << 200 << QByteArray(255, 'z');
}

void TestReleaseCheck::readReply()
{
    QFETCH(QByteArray, reply);
    QByteArray word = "stale";
    QTEST(CWebInfoUtil::readReply(reply, word), "status");
    QTEST(word, "word");
}

void TestReleaseCheck::query_data()
{
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("shown");
    QTest::newRow("later date") << 200 << QByteArray("200 20260401") << 200 << "20260401" << true;
    QTest::newRow("this build's date")
        << 200 << QByteArray("200 20260303") << 200 << "20260303" << false;
    QTest::newRow("earlier date") << 200 << QByteArray("200 20251231") << 200 << "20251231"
                                  << false;
    QTest::newRow("201 with extra words")
        << 200 << QByteArray("201 20270115 build 7 notes\n") << 201 << "20270115" << true;
    QTest::newRow("199") << 200 << QByteArray("199 20260304") << 199 << "20260304" << true;
    QTest::newRow("202 is no answer") << 200 << QByteArray("202 20270101") << 202 << "" << false;
    QTest::newRow("404 and a date") << 200 << QByteArray("404 20270101") << 404 << "" << false;
    QTest::newRow("empty reply") << 200 << QByteArray() << -1 << "" << false;
    QTest::newRow("HTML page") << 200 << QByteArray("<html><body>oops</body></html>") << -1 << ""
                               << false;
    QTest::newRow("word x sorts later") << 200 << QByteArray("200 x") << 200 << "x" << true;
    QTest::newRow("status without word") << 200 << QByteArray("200\n") << 200 << "" << false;
    QTest::newRow("HTTP 404 page") << 404 << QByteArray("Not Found") << -1 << "" << false;
    // Only a 2xx body is the service's answer: an error page is never read as a version.
    QTest::newRow("HTTP 500 with a version")
        << 500 << QByteArray("200 20270101") << -1 << "" << false;
    QTest::newRow("HTTP 401 with a version")
        << 401 << QByteArray("201 20270101") << -1 << "" << false;
    QTest::newRow("HTTP 302 with a version")
        << 302 << QByteArray("200 20270101") << -1 << "" << false;
    QTest::newRow("HTTP 203 with a version")
        << 203 << QByteArray("200 20270101") << 200 << "20270101" << true;
    QTest::newRow("HTTP 204") << 204 << QByteArray() << -1 << "" << false;
}

void TestReleaseCheck::query()
{
    QFETCH(int, httpStatus);
    QFETCH(QByteArray, body);
    QFETCH(QString, answer);
    QFETCH(bool, shown);
    m_server->setResponse(CWebInfoUtil::infoPath, LocalServer::Response::answer(httpStatus, body));

    CString got = "unchanged";
    const int result = CWebInfoUtil::queryInfo("QT1N-2025", "latest", got);
    QTEST(result, "result");
    QCOMPARE(QString(got), (result >= 199 && result <= 201) ? answer : QString("unchanged"));

    ScriptedPresenter presenter;
    appInstance()->checkNewVersion();
    QCOMPARE(presenter.shownTexts(), shown ? QStringList{newVersionText} : QStringList());
    if (shown) {
        QCOMPARE(presenter.shown()[0].title, QString(gMsgGetTitle(2)));
        QCOMPARE(presenter.shown()[0].kind, QString("information"));
    }

    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 2);
    for (const LocalServer::Request &r : requests) {
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.path, QByteArray("/phpproj/t2ovn/info/velquistorinfo.php"));
        QCOMPARE(r.body, QByteArray("kw1=QT1N-2025&kw2=latest"));
    }
}

void TestReleaseCheck::longWordIsCut()
{
    const QByteArray word = QByteArray(9999, '9') + 'Z';
    m_server->setResponse(CWebInfoUtil::infoPath,
                          LocalServer::Response::answer(200, "200 " + word));
    CString got;
    QCOMPARE(CWebInfoUtil::queryInfo("QT1N-2025", "latest", got), 200);
    QCOMPARE(QString(got), QString(255, '9'));

    ScriptedPresenter presenter;
    appInstance()->checkNewVersion();
    QCOMPARE(presenter.shownTexts(), QStringList{newVersionText});
}

void TestReleaseCheck::testingModeSendsNothing()
{
    m_server->setResponse(CWebInfoUtil::infoPath,
                          LocalServer::Response::answer(200, "200 29991231"));
    appInstance()->config.MODEDEBUG = true;
    ScriptedPresenter presenter;
    appInstance()->checkNewVersion();
    QCOMPARE(presenter.shown().size(), 0);
    QCOMPARE(m_server->requests().size(), 0);
}

void TestReleaseCheck::placeholderHostSendsNothing()
{
    appInstance()->config.InfoServer = CT1AppConfig::makerWebHost;
    CString got = "unchanged";
    QCOMPARE(CWebInfoUtil::queryInfo("QT1N-2025", "latest", got), -1);
    QCOMPARE(QString(got), QString("unchanged"));
    ScriptedPresenter presenter;
    appInstance()->checkNewVersion();
    QCOMPARE(presenter.shown().size(), 0);
}

void TestReleaseCheck::infoServerKey()
{
    QTemporaryDir dir;
    QFile ini(dir.filePath("gr_path.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("QuorvandelleWebServer=site.invalid\nInfoServer = 127.0.0.1:8443\n");
    ini.close();
    CT1AppConfig config;
    QCOMPARE(QString(config.InfoServer), QString("www.quorvandelle.invalid"));
    QCOMPARE(config.readConfigFile(ini.fileName().toUtf8()), 0);
    QCOMPARE(QString(config.InfoServer), QString("127.0.0.1:8443"));
    QCOMPARE(QString(config.QuorvandelleWebServer), QString("site.invalid"));
}

void TestReleaseCheck::boundedReply_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::newRow("dripping") << LocalServer::Response::drip("200 20270101" + QByteArray(200, ' '),
                                                             50);
    QTest::newRow("endless") << LocalServer::Response::endlessChunked("200 20270101 ");
    QTest::newRow("too large") << LocalServer::Response::answer(200, "200 20270101 " +
                                                                         QByteArray(5000, 'x'));
}

void TestReleaseCheck::boundedReply()
{
    QFETCH(LocalServer::Response, response);
    TabWndApp *app = appInstance();
    const QWebClient::Limits defaults = app->webCheckLimits;
    QCOMPARE(defaults.totalMs, 30000);
    QCOMPARE(defaults.maxReplyBytes, qint64(2 * 1024 * 1024));
    app->webCheckLimits.totalMs = 500;
    app->webCheckLimits.maxReplyBytes = 4096;
    m_server->setResponse(CWebInfoUtil::infoPath, response);

    CString got = "unchanged";
    QElapsedTimer clock;
    clock.start();
    const int result = CWebInfoUtil::queryInfo("QT1N-2025", "latest", got);
    ScriptedPresenter presenter;
    appInstance()->checkNewVersion();
    const qint64 elapsed = clock.elapsed();
    app->webCheckLimits = defaults;
    QCOMPARE(result, -1);
    QCOMPARE(QString(got), QString("unchanged"));
    QCOMPARE(presenter.shown().size(), 0);
    QVERIFY2(elapsed < 10000, qPrintable(QString::number(elapsed)));
}

void TestReleaseCheck::mainWindowAsksOnEachShowing()
{
    m_server->setResponse(CWebInfoUtil::infoPath,
                          LocalServer::Response::answer(200, "200 20270101"));
    TabWndApp *app = appInstance();
    ScriptedPresenter presenter;
    MainWindow *window = MainWindow::instance(nullptr);
    app->mainWindow = window;
    window->show();
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(presenter.shownTexts(), QStringList{newVersionText});
    QCOMPARE(presenter.shown()[0].parent, static_cast<QWidget *>(window));
    window->hide();
    window->show();
    QCOMPARE(m_server->requests().size(), 2);
    QCOMPARE(presenter.shown().size(), 2);
    app->mainWindow = nullptr;
    delete window;
}

QV_TEST_MAIN(TestReleaseCheck)
#include "tst_ReleaseCheck.moc"
