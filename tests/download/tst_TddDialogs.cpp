// The S.I.N. entry and download progress dialogs, offscreen: checking S.I.N.s, the status
// texts, the once-a-second bar, queued reports from a worker, the listener, the offline mode.
#include <QtTest>

#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include "ScriptedPresenter.h"
#include "TddTestSupport.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/DlgTDDEnterSin.h"
#include "download/DlgTDDProgressWait.h"
#include "download/TddHttpServer.h"
#include "download/TddWebService.h"

namespace {
const QByteArray kSinA = "046454286";
const QByteArray kSinB = "130692544";

// Sends one request to the listener, which runs on this thread, and reads until it closes.
QByteArray ask(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QDeadlineTimer deadline(10000);
    while (socket.state() != QAbstractSocket::ConnectedState &&
           socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        socket.waitForConnected(10);
    }
    socket.write(request);
    socket.flush();
    QByteArray received;
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        socket.waitForReadyRead(10);
        received += socket.readAll();
    }
    return received + socket.readAll();
}

int taxDataRows()
{
    QSqlQuery query("select count(*) from tb_taxdata");
    return query.next() ? query.value(0).toInt() : -1;
}

QString status(const DlgTDDProgressWait &dialog)
{
    return dialog.findChild<QLabel *>("lblStatus")->text();
}
} // namespace

class TestTddDialogs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The offline reply file the configuration names; the dialog then makes no request.
    void setDataFile(const QString &path) { appInstance()->config.TDDDataFile = path; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(appInstance()->openDatabase(CString(m_dir.path())), OpenDatabaseResult::Open);
        configureService(0, "095", QByteArray());
    }

    void init()
    {
        QSqlQuery("delete from tb_taxdata").exec();
        setDataFile(QString());
    }

    void cleanup() { TddHttpServer::shutdown(); }

    // The whole download: the service played over HTTPS, the sign-in link caught, the browser's
    // return played on the listener, a not-ready poll and then the data.
    void downloadEndToEnd()
    {
        TddServiceFixture fixture;
        QString error;
        QVERIFY2(fixture.initOnce(&error), qPrintable(error));
        QVERIFY(fixture.startService());
        fixture.service().enqueue(LocalServer::Response::answer(
            200, soapReply("StageTDDNetfileResponse",
                           "<ReturnCode>0</ReturnCode><TokenIdentifier>stage-token"
                           "</TokenIdentifier>")));
        fixture.service().enqueue(LocalServer::Response::answer(
            200, soapReply("GetTDDNetfileResponse",
                           "<ReturnCode>0</ReturnCode><TokenIdentifier>next-token"
                           "</TokenIdentifier>")));
        fixture.service().enqueue(LocalServer::Response::answer(200, taxDataReply({kSinA, kSinB})));

        const QList<QByteArray> sins{kSinA, kSinB};
        DlgTDDProgressWait dialog(1, sins);
        TddHttpServer *server = TddHttpServer::instance(&dialog);
        server->setPort(0);
        server->service()->setRetryWaitMs(10);
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(server->isRunning(), 10000);
        QCOMPARE(fixture.links.links.size(), 1);
        const QByteArray port = QByteArray::number(server->listeningPort());
        QVERIFY(ask(server->listeningPort(), "GET /taxdata?t=browser-token HTTP/1.1\r\nHost: "
                                             "127.0.0.1:" +
                                                 port + "\r\n\r\n")
                    .startsWith("HTTP/1.0 200 OK"));
        QTRY_COMPARE_WITH_TIMEOUT(
            status(dialog), QString("2 record(s) saved into tax data locally (1002)."), 15000);
        QCOMPARE(taxDataRows(), 2);
        QCOMPARE(dialog.recordCount(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 10000);
        QCOMPARE(status(dialog), QString("2 record(s) saved into tax data locally (1002)."));
        QVERIFY(!server->isRunning());
    }

    // A port another program holds: the download ends with the listener's message, and the
    // sign-in page never opens, since its return call would reach that program.
    void occupiedPortStopsDownload()
    {
        TddServiceFixture fixture;
        QString error;
        QVERIFY2(fixture.initOnce(&error), qPrintable(error));
        QVERIFY(fixture.startService());
        fixture.service().enqueue(LocalServer::Response::answer(
            200, soapReply("StageTDDNetfileResponse",
                           "<ReturnCode>0</ReturnCode><TokenIdentifier>stage-token"
                           "</TokenIdentifier>")));
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost));

        const QList<QByteArray> sins{kSinA};
        DlgTDDProgressWait dialog(1, sins);
        TddHttpServer *server = TddHttpServer::instance(&dialog);
        server->setPort(other.serverPort());
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 15000);
        QCOMPARE(status(dialog),
                 QString("The sign-in cannot start: another program is using the port on this "
                         "computer that the browser returns to. Close that program and try "
                         "again."));
        QVERIFY(!server->isRunning());
        QCOMPARE(fixture.links.links.size(), 0);
        QCOMPARE(fixture.service().requests().size(), 1); // the stage request only
        QVERIFY(readTddLog(1).contains("http server exception in start\n"));
    }

    void enterSin_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<QByteArray>>("sins");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("all empty") << QStringList() << true << QList<QByteArray>() << QStringList();
        QTest::newRow("two valid, one gap, as typed")
            << QStringList{"046 454 286", "", "130692544"} << true
            << QList<QByteArray>{"046 454 286", "130692544"} << QStringList();
        QTest::newRow("duplicates stay")
            << QStringList{"046454286", "046454286"} << true
            << QList<QByteArray>{"046454286", "046454286"} << QStringList();
        QTest::newRow("third invalid") << QStringList{"046454286", "130692544", " 12345 "} << false
                                       << QList<QByteArray>{"046454286", "130692544"}
                                       << QStringList{"The S.I.N ( 12345 ) entered is invalid!"};
    }

    void enterSin()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, accepted);
        QFETCH(QList<QByteArray>, sins);
        QFETCH(QStringList, messages);
        ScriptedPresenter presenter;
        QList<QByteArray> list{"999999999"};
        DlgTDDEnterSin dialog(list);
        QCOMPARE(dialog.findChild<QLineEdit *>("edtSin01")->text(), QString("999999999"));
        for (int i = 0; i < DlgTDDEnterSin::MaxSins; ++i)
            dialog.findChild<QLineEdit *>(QString("edtSin%1").arg(i + 1, 2, 10, QChar('0')))
                ->setText(texts.value(i));
        dialog.show();
        dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(list, sins);
        QCOMPARE(presenter.shownTexts(), messages);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(
                dialog.findChild<QLineEdit *>(QString("edtSin%1").arg(i + 1, 2, 10, QChar('0')))
                    ->text(),
                texts[i]);
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("10") << 10 << 0 << "Start to token request ...";
        QTest::newRow("20") << 20 << 0
                            << "You are about to be redirected to CRA secure server to authorize "
                               "Auto-fill My Return ...";
        QTest::newRow("50") << 50 << 0 << "Start to receive data ...";
        QTest::newRow("99 with 1003")
            << 99 << 1003 << "3 record(s) saved into tax data locally (1003).";
        QTest::newRow("99 with 998")
            << 99 << 998 << "0 record(s) saved into tax data locally (998).";
        QTest::newRow("1000 with 100")
            << 1000 << 100 << "initial web service handshake failed, code = 100";
        QTest::newRow("1000 with -30") << 1000 << -30 << "some error occured, code = -30";
        QTest::newRow("150") << 150 << 7 << "some unpected error occured, code = 150 - 7.";
        // The status text starts empty: a value without a text of its own shows it.
        QTest::newRow("56 keeps the text") << 56 << 0 << "";
    }

    void statusTexts()
    {
        QFETCH(int, value);
        QFETCH(int, code);
        QFETCH(QString, text);
        const QList<QByteArray> sins;
        DlgTDDProgressWait dialog(1, sins);
        QCOMPARE(dialog.windowTitle(), QString("Auto-fill My Return Progress"));
        dialog.reportProgress(value, code);
        QCOMPARE(status(dialog), text);
    }

    void reportsWithinOneTickMoveTheBarOnce()
    {
        const QList<QByteArray> sins;
        DlgTDDProgressWait dialog(2, sins);
        QCOMPARE(dialog.windowTitle(), QString("View NOA Progress"));
        QProgressBar *bar = dialog.findChild<QProgressBar *>("progressBar");
        QSignalSpy moves(bar, &QProgressBar::valueChanged);
        dialog.reportProgress(55, 0);
        dialog.reportProgress(56, 0);
        dialog.timerTimeout();
        dialog.timerTimeout();
        QCOMPARE(moves.size(), 1);
        QCOMPARE(moves[0][0].toInt(), 56);
    }

    // A worker's calls reach the dialog in the order made; once closed it takes nothing.
    void workerCallsArriveInOrderUntilClosed()
    {
        const QList<QByteArray> sins;
        DlgTDDProgressWait dialog(2, sins);
        auto calls = [&dialog](int value) {
            dialog.reportProgress(value, 0);
            dialog.addTaxpayerMessage("046454286", QString("m%1").arg(value));
            dialog.setRecordCount(value);
            dialog.reportProgress(10, 0);
        };
        std::unique_ptr<QThread> worker(QThread::create(calls, 50));
        worker->start();
        worker->wait();
        QCOMPARE(status(dialog), QString("Start querying server ..."));
        QCoreApplication::processEvents();
        QCOMPARE(status(dialog), QString("Start to token request ..."));
        QCOMPARE(dialog.taxpayerMessages(), QStringList{"m50"});
        QCOMPARE(dialog.recordCount(), 50);

        dialog.reject();
        QVERIFY(!dialog.acceptsProgress());
        worker.reset(QThread::create(calls, 20));
        worker->start();
        worker->wait();
        QCoreApplication::processEvents();
        QCOMPARE(dialog.taxpayerMessages(), QStringList{"m50"});
        QCOMPARE(dialog.recordCount(), 50);
    }

    void successClosesByItself()
    {
        QFile empty(m_dir.filePath("empty.xml"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        setDataFile(empty.fileName());
        const QList<QByteArray> sins{kSinA};
        DlgTDDProgressWait dialog(1, sins);
        dialog.show();
        dialog.reportProgress(99, 1002);
        dialog.timerTimeout();
        QCOMPARE(status(dialog), QString("2 record(s) saved into tax data locally (1002)."));
        dialog.timerTimeout();
        QCOMPARE(status(dialog), QString("2 record(s) saved into tax data locally (1002)."));
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 6000);
    }

    void failureShowsTheGeneralText()
    {
        const QList<QByteArray> sins;
        DlgTDDProgressWait dialog(1, sins);
        dialog.reportProgress(1000, 100);
        QCOMPARE(status(dialog), QString("initial web service handshake failed, code = 100"));
        dialog.timerTimeout();
        QCOMPARE(status(dialog),
                 QString("Error happened in Auto-fill My Return, please try again later."));
    }

    void cancelClosesTheListener()
    {
        QFile empty(m_dir.filePath("empty.xml"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        setDataFile(empty.fileName());
        const QList<QByteArray> sins{kSinA};
        DlgTDDProgressWait dialog(1, sins);
        dialog.show();
        TddHttpServer *server = TddHttpServer::instance(&dialog);
        server->setPort(0);
        QCOMPARE(server->start(server->port()), 0); // as just before the browser opens
        QVERIFY(server->isRunning());
        const quint16 port = server->listeningPort();
        QVERIFY(port != 0);
        dialog.findChild<QDialogButtonBox *>("buttonBox")
            ->button(QDialogButtonBox::Cancel)
            ->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!server->isRunning());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!socket.waitForConnected(2000));
    }

    void offlineFileIsStoredBeforeTheDialogShows_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("two items") << taxDataReply({kSinA, kSinB}) << true << 2 << 2;
        QTest::newRow("no TaxDataDelivery")
            << soapReply("GetTDDNetfileResponse", "") << true << -5 << 0;
        QTest::newRow("missing") << QByteArray() << false << -2 << 0;
        QTest::newRow("empty") << QByteArray() << true << -2 << 0;
        QTest::newRow("not XML") << QByteArray("PK\x03\x04 zip") << true << -2 << 0;
    }

    void offlineFileIsStoredBeforeTheDialogShows()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(int, count);
        QFETCH(int, rows);
        const QString path = m_dir.filePath("reply.xml");
        QFile::remove(path);
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        setDataFile(path);
        const QList<QByteArray> sins{kSinA, kSinB};
        DlgTDDProgressWait dialog(1, sins);
        dialog.show();
        QCOMPARE(dialog.recordCount(), count);
        QCOMPARE(taxDataRows(), rows);
        dialog.reject();
    }
};

QV_TEST_MAIN(TestTddDialogs)
#include "tst_TddDialogs.moc"
