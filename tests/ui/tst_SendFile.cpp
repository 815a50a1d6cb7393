// Sending a saved return file for help: the multipart upload to a local HTTPS server, the
// address check, and the failures that must say the file was not sent.
#include "EditorFixture.h"
#include "LocalServer.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "model/FamilyTaxData.h"
#include "ordane/Clock.h"
#include "ordane/QWebClient.h"
#include "ui/DlgSendFileForHelp.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

Q_DECLARE_METATYPE(LocalServer::Response)

namespace {

const char *const kPath = "/php/fileupload2.php";
const QString kNotSent = "file is NOT sent, please contact us for solution.";

// Answers the next send dialog: fills it and presses OK (or Cancel). A refused address keeps
// the dialog open; the second press then cancels it.
void answerSendDialog(const QString &email, const QString &message, bool ok = true)
{
    QTimer::singleShot(0, [=] {
        auto *dlg = qobject_cast<DlgSendFileForHelp *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QString("Send Return File for Help"));
        dlg->findChild<QLineEdit *>("edtEmail")->setText(email);
        dlg->findChild<QPlainTextEdit *>("edtMsg")->setPlainText(message);
        auto *box = dlg->findChild<QDialogButtonBox *>("buttonBox");
        box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        if (dlg->isVisible())
            box->button(QDialogButtonBox::Cancel)->click();
    });
}

} // namespace

class TestSendFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void uploadParts();
    void failuresAreNotSent_data();
    void failuresAreNotSent();
    void unreadableFileSendsNothing();
    void unsavedReturn();
    void addressCheck_data();
    void addressCheck();
    void refusedAddressKeepsTheDialog();
    void startPageDoesNothing();

private:
    // A return page whose file is saved in the test's folder; its path.
    QString openSavedReturn();

    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestSendFile::initTestCase()
{
    QVERIFY(m_certDir.isValid());
    QVERIFY2(m_certs.create(m_certDir.path()), qPrintable(m_certs.errorString()));
    // The command builds its own client: it trusts the test authority through the default
    // configuration of this process.
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
}

void TestSendFile::init()
{
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    appInstance()->config.QuorvandelleWebServer = QString("127.0.0.1:%1").arg(m_server->port());
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    setNow(QDateTime(QDate(2026, 4, 5), QTime(7, 8, 9)));
}

void TestSendFile::cleanup()
{
    setNow();
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
    appInstance()->config.QuorvandelleWebServer = CT1AppConfig::makerWebHost;
}

QString TestSendFile::openSavedReturn()
{
    QString path = m_fixture->dir() + "/Jane Doe.r25";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QByteArray("R25\0\x01\r\nbytes", 12));
    file.close();
    const QFileInfo info(path);
    m_fixture->window()->addReturnPage(&info, EditorFixture::singleReturn());
    return path;
}

void TestSendFile::uploadParts()
{
    m_server->setResponse(kPath, LocalServer::Response::answer(200, "received"));
    const QString path = openSavedReturn();
    answerSendDialog("Jane.Doe@Example.INFO", "Line one\nline two");
    m_fixture->action("actionSend_Return_File_to_Quorvandelle")->trigger();

    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"file is sent successfully, we will contact you at "
                         "Jane.Doe@Example.INFO"});
    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    const LocalServer::Request &r = requests.first();
    QCOMPARE(r.method, QByteArray("POST"));
    QCOMPARE(r.path, QByteArray(kPath));
    const QByteArray type = r.header("Content-Type");
    const QByteArray prefix = "multipart/form-data; boundary=";
    QVERIFY2(type.startsWith(prefix), type.constData());
    const QByteArray boundary = type.mid(prefix.size());
    const QByteArray expected =
        "--" + boundary +
        "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"04050708-Jane Doe.r25\""
        "\r\nContent-Type: application/octet-stream\r\n\r\n" +
        QByteArray("R25\0\x01\r\nbytes", 12) + "\r\n--" + boundary +
        "\r\nContent-Disposition: form-data; name=\"email\"\r\n\r\nJane.Doe@Example.INFO\r\n--" +
        boundary + "\r\nContent-Disposition: form-data; name=\"msg\"\r\n\r\n" +
        QString(appTitle).toUtf8() + "\nLine one\nline two\r\n--" + boundary +
        "\r\nContent-Disposition: form-data; name=\"path\"\r\n\r\n" + path.toUtf8() + "\r\n--" +
        boundary + "--\r\n";
    QCOMPARE(r.body, expected);
}

void TestSendFile::failuresAreNotSent_data()
{
    QTest::addColumn<LocalServer::Response>("response");
    QTest::addColumn<int>("requests");
    QTest::newRow("server error") << LocalServer::Response::answer(500, "broken") << 1;
    QTest::newRow("not found") << LocalServer::Response::answer(404, "") << 1;
    // Closed before any reply byte: a failed upload, and the file is not sent again.
    QTest::newRow("closed without answer") << LocalServer::Response::closeWithoutAnswer() << 1;
}

void TestSendFile::failuresAreNotSent()
{
    QFETCH(LocalServer::Response, response);
    QFETCH(int, requests);
    m_server->setResponse(kPath, response);
    openSavedReturn();
    answerSendDialog("a@b.ca", "");
    m_fixture->action("actionSend_Return_File_to_Quorvandelle")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList{kNotSent});
    QCOMPARE(m_server->requests().size(), requests);
}

void TestSendFile::unreadableFileSendsNothing()
{
    const QString path = openSavedReturn();
    QVERIFY(QFile::remove(path));
    answerSendDialog("a@b.ca", "help");
    m_fixture->action("actionSend_Return_File_to_Quorvandelle")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList{kNotSent});
    QCOMPARE(m_server->requests().size(), 0);

    // The client says why, and a second post goes nowhere either.
    QWebClient client(m_server->url(kPath), path, "x.r25", "file");
    QString reply = "kept";
    QVERIFY(!client.post(reply));
    QCOMPARE(client.error(), QWebClient::FileUnreadable);
    QCOMPARE(client.errorString(), QString("The file \"%1\" cannot be read.").arg(path));
    QCOMPARE(reply, QString("kept"));
    QVERIFY(!client.post(reply));
    QCOMPARE(client.error(), QWebClient::AlreadySent);
    QCOMPARE(m_server->requests().size(), 0);
}

void TestSendFile::unsavedReturn()
{
    m_fixture->window()->addReturnPage(nullptr, EditorFixture::singleReturn());
    m_fixture->action("actionSend_Return_File_to_Quorvandelle")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList{"Please save return to a file first."});
    QCOMPARE(m_server->requests().size(), 0);
}

void TestSendFile::addressCheck_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("two letters") << "a@b.ca" << true;
    QTest::newRow("four letters") << "jane.doe+tax@mail.example.info" << true;
    QTest::newRow("capitals") << "JANE_DOE%1@MAIL-1.EXAMPLE.COM" << true;
    QTest::newRow("five letters") << "a@b.email" << false;
    QTest::newRow("one letter") << "a@b.c" << false;
    QTest::newRow("blank before") << " a@b.ca" << false;
    QTest::newRow("blank after") << "a@b.ca " << false;
    QTest::newRow("no at") << "ab.ca" << false;
    QTest::newRow("two addresses") << "a@b.ca c@d.ca" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSendFile::addressCheck()
{
    QFETCH(QString, address);
    QTEST(DlgSendFileForHelp::isValidEmail(address), "valid");
}

void TestSendFile::refusedAddressKeepsTheDialog()
{
    openSavedReturn();
    answerSendDialog("a@b.email", "kept");
    m_fixture->action("actionSend_Return_File_to_Quorvandelle")->trigger();
    // The refusal, then Cancel: nothing sent.
    QCOMPARE(m_presenter->shownTexts(), QStringList{"please enter a valid email address."});
    QCOMPARE(m_server->requests().size(), 0);
}

void TestSendFile::startPageDoesNothing()
{
    openSavedReturn();
    m_fixture->window()->actionShowWelcome();
    m_fixture->window()->onSendReturnFile();
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(m_server->requests().size(), 0);
}

QV_TEST_MAIN(TestSendFile)
#include "tst_SendFile.moc"
