// The e-signature service client against a local HTTPS service: login, e-delivery of a PDF,
// signature status, filing report and the client-letter template fetch.
#include <QtTest>

#include <QCryptographicHash>
#include <QLineEdit>
#include <QUrlQuery>
#include <memory>

#include "EditorFixture.h"
#include "LocalServer.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestCertificates.h"
#include "TestMain.h"
#include "app/CSqliteDBManager.h"
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/ResultNumber.h"
#include "print/PrintServices.h"
#include "print/VarnexaRequests.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

Q_DECLARE_METATYPE(LocalServer::Response)

namespace {

using Fields = QList<QPair<QString, QString>>;

const char kSin[] = "046454286";
const char kNoAccount[] =
    "Enter Varnexa points email/password in preference, they are used for Varnexa purpose.";
const char kLoginFailed[] = "The login into the Varnexa service failed. Check the Varnexa email "
                            "and password in the preferences.";
const char kTokenReply[] = "{\"access_token\":\"tok-77\"}";

Fields formFields(const QByteArray &body)
{
    Fields fields;
    for (const auto &item : QUrlQuery(QString::fromLatin1(body)).queryItems(QUrl::FullyDecoded))
        fields.append(item);
    return fields;
}

// The parts of a multipart body: name, file name (empty for a field) and contents.
struct Part
{
    QString name;
    QString fileName;
    QByteArray contents;
};

QList<Part> multipartParts(const LocalServer::Request &request)
{
    const QByteArray type = request.header("Content-Type");
    const int at = type.indexOf("boundary=");
    QList<Part> parts;
    if (at < 0)
        return parts;
    const QByteArray boundary = "--" + type.mid(at + 9);
    const QByteArray &body = request.body;
    int pos = body.indexOf(boundary);
    while (pos >= 0) {
        const int start = pos + boundary.size();
        if (body.mid(start, 2) == "--")
            break;
        const int next = body.indexOf(boundary, start);
        if (next < 0)
            break;
        const QByteArray piece = body.mid(start + 2, next - start - 4); // CRLF after, before
        const int headEnd = piece.indexOf("\r\n\r\n");
        const QByteArray head = piece.left(headEnd);
        Part part;
        const QRegularExpression name("name=\"([^\"]*)\"");
        const QRegularExpression file("filename=\"([^\"]*)\"");
        part.name = name.match(QString::fromUtf8(head)).captured(1);
        part.fileName = file.match(QString::fromUtf8(head)).captured(1);
        part.contents = piece.mid(headEnd + 4);
        parts.append(part);
        pos = next;
    }
    return parts;
}

QString sha256Hex(const QString &text)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QByteArray basic(const QString &email, const QString &password)
{
    return "Basic " + (email + ':' + password).toUtf8().toBase64();
}

bool noWaitCursor()
{
    return QGuiApplication::overrideCursor() == nullptr;
}

} // namespace

class TestEsignature : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signature();
    void deliveryFormCodes_data();
    void deliveryFormCodes();
    void filingFormCodes_data();
    void filingFormCodes();
    void maskedSin_data();
    void maskedSin();

    void login_data();
    void login();
    void delivery_data();
    void delivery();
    void deliveryDeclinedSendsNothing();
    void status_data();
    void status();
    void statusWithoutRequest_data();
    void statusWithoutRequest();
    void statusFailedLoginLeavesNoWaitCursor();
    void signedTimeKeptAfterSaveAndReload();
    void editorEventsReachTheStatusQuery();

    void filingReport_data();
    void filingReport();
    void filingReportOffSendsNothing();
    void filingReportWithoutAccount();

    void clientLetter_data();
    void clientLetter();
    void clientLetterFailedDownloadChangesNothing();

private:
    Form_Return *openEditor(FamilyTaxData *family);
    FamilyTaxData *returnWithForms(const QString &t183Request, const QString &rc71Request);
    QStringList shown() const { return m_presenter->shownTexts(); }
    QList<LocalServer::Request> requestsFor(const QByteArray &path) const;

    QTemporaryDir m_certDir;
    TestCertificates m_certs;
    std::unique_ptr<LocalServer> m_server;
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestEsignature::initTestCase()
{
    QVERIFY(m_certDir.isValid());
    QVERIFY2(m_certs.create(m_certDir.path()), qPrintable(m_certs.errorString()));
    // The operations build their own clients: they trust the test authority through the
    // default configuration of this process.
    QSslConfiguration::setDefaultConfiguration(m_certs.clientConfiguration());
}

void TestEsignature::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen(m_certs.serverConfiguration()));
    CT1AppConfig &c = appInstance()->config;
    c.VarnexaServer = QString::fromLatin1(m_server->url(""));
    c.VarnexaEmail = "preparer@example.com";
    c.VarnexaPswd = "s3cret";
    c.FilingReport = true;
    c.CustomizedClientLetter_Ver = 0;
    c.SaveBackup = 0;
}

void TestEsignature::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
    m_server.reset();
    QVERIFY(noWaitCursor());
}

Form_Return *TestEsignature::openEditor(FamilyTaxData *family)
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, family);
    return w->shownEditor();
}

FamilyTaxData *TestEsignature::returnWithForms(const QString &t183Request,
                                               const QString &rc71Request)
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    auto *t1 = static_cast<TaxData_T1New *>(family->getForm(FormType::T1, false));
    t1->sin = QString::fromLatin1(kSin);
    t1->firstName = QStringLiteral("Élise");
    t1->lastName = QStringLiteral("Tremblay");
    t1->phone = QStringLiteral("416-555-0199");
    if (!t183Request.isNull()) {
        family->addForm(FormType::T183, 0, true, 0, false);
        static_cast<TaxData_T183New *>(family->getForm(FormType::T183, false))->esignRequestId =
            t183Request;
    }
    if (!rc71Request.isNull()) {
        family->addForm(FormType::RC71, 0, true, 0, false);
        static_cast<CTaxData_RC71 *>(family->getForm(FormType::RC71, false))->esignRequestId =
            rc71Request;
    }
    return family;
}

QList<LocalServer::Request> TestEsignature::requestsFor(const QByteArray &path) const
{
    QList<LocalServer::Request> found;
    for (const LocalServer::Request &r : m_server->requests())
        if (r.path == path)
            found.append(r);
    return found;
}

void TestEsignature::signature()
{
    QCOMPARE(Varnexa::signatureDigest("DOCDELI", "T1GEN", kSin),
             QByteArray("02c79670631c7548150a58d0c5492f7c2350d5784328be37e1f3cec2cd0429f4"));
    QString text;
    Varnexa::buildSignatureString("FLNGRCD", "T1", "0*****286", text);
    QCOMPARE(text, QString("T1RW2025FLNGRCDT1RW2025_T10*****286R4KW7PQ2ZN8VXM3LC6TB9HDF"));
    QCOMPARE(QString::fromLatin1(Varnexa::signatureDigest("FLNGRCD", "T1", "0*****286")),
             sha256Hex(text));
}

void TestEsignature::deliveryFormCodes_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("code");
    QTest::newRow("T1134") << 177 << "T1134";
    QTest::newRow("T1135") << 101 << "T1135";
    QTest::newRow("whole return") << 0 << "T1GEN";
    QTest::newRow("T183") << 96 << "T1GEN";
    QTest::newRow("RC71") << 53 << "T1GEN";
}

void TestEsignature::deliveryFormCodes()
{
    QFETCH(int, formType);
    QTEST(Varnexa::deliveryFormCode(formType), "code");
}

void TestEsignature::filingFormCodes_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("code");
    QTest::newRow("T183") << 96 << "T183PAD";
    QTest::newRow("T1013") << 117 << "T1013";
    QTest::newRow("T1") << 1 << "T1";
    QTest::newRow("T1135 by short name") << 101 << "t1135";
}

void TestEsignature::filingFormCodes()
{
    QFETCH(int, formType);
    QTEST(Varnexa::filingFormCode(formType), "code");
}

void TestEsignature::maskedSin_data()
{
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("masked");
    QTest::newRow("nine digits") << "046454286"
                                 << "0*****286";
    QTest::newRow("four") << "1234"
                          << "1*****";
    QTest::newRow("empty") << ""
                           << "";
}

void TestEsignature::maskedSin()
{
    QFETCH(QString, sin);
    QTEST(Varnexa::maskedSin(sin), "masked");
}

void TestEsignature::login_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<LocalServer::Response>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("requests");
    QTest::newRow("logged in") << "s3cret" << LocalServer::Response::answer(200, kTokenReply) << 0
                               << "tok-77" << QStringList() << 1;
    QTest::newRow("no account") << "" << LocalServer::Response::answer(200, kTokenReply) << 112
                                << "" << QStringList{kNoAccount} << 0;
    QTest::newRow("no access_token")
        << "s3cret" << LocalServer::Response::answer(200, "{\"token\":\"x\"}") << 99 << ""
        << QStringList{kLoginFailed} << 1;
    QTest::newRow("not JSON") << "s3cret" << LocalServer::Response::answer(200, "<html>") << 99
                              << "" << QStringList{kLoginFailed} << 1;
    QTest::newRow("server error") << "s3cret" << LocalServer::Response::answer(500, kTokenReply)
                                  << 99 << "" << QStringList{kLoginFailed} << 1;
    QTest::newRow("post failed") << "s3cret" << LocalServer::Response::closeWithoutAnswer() << 99
                                 << "" << QStringList{kLoginFailed} << 1;
}

void TestEsignature::login()
{
    QFETCH(QString, password);
    QFETCH(LocalServer::Response, reply);
    appInstance()->config.VarnexaPswd = password;
    m_server->setResponse("/api/user/login", reply);
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QString token;
    QTEST(resultNumber(editor->loginVarnexa(token)), "result");
    QTEST(token, "token");
    QTEST(shown(), "messages");
    const QList<LocalServer::Request> sent = requestsFor("/api/user/login");
    QTEST(int(sent.size()), "requests");
    if (!sent.isEmpty()) {
        QCOMPARE(formFields(sent.first().body),
                 (Fields{{"email", "preparer@example.com"}, {"password", "s3cret"}}));
        QCOMPARE(sent.first().header("Authorization"), QByteArray());
    }
    QVERIFY(noWaitCursor());
}

void TestEsignature::delivery_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<LocalServer::Response>("reply");
    QTest::addColumn<QString>("message");
    QTest::newRow("message shown as sent")
        << "s3cret" << LocalServer::Response::answer(200, "{\"message\":\"Sent to élise, ok\"}")
        << "Sent to élise, ok";
    QTest::newRow("non-ASCII password")
        << "pâté:€" << LocalServer::Response::answer(201, "{\"message\":\"Queued\"}") << "Queued";
    QTest::newRow("empty object") << "s3cret" << LocalServer::Response::answer(200, "{}")
                                  << "Invalid result returned.{}";
    QTest::newRow("empty message")
        << "s3cret" << LocalServer::Response::answer(200, "{\"message\":\"\"}")
        << "Invalid result returned.{\"message\":\"\"}";
    QTest::newRow("not JSON") << "s3cret" << LocalServer::Response::answer(200, "OK then")
                              << "Invalid result returned.OK then";
    QTest::newRow("post failed") << "s3cret" << LocalServer::Response::closeWithoutAnswer()
                                 << "Network query failed, check firewall settings.";
}

void TestEsignature::delivery()
{
    QFETCH(QString, password);
    QFETCH(LocalServer::Response, reply);
    appInstance()->config.VarnexaPswd = password;
    m_server->setResponse("/api/signature-requests", reply);
    const QString pdf = m_fixture->dir() + "/Tremblay 2025.pdf";
    const QByteArray pdfBytes("%PDF-1.4\r\n--not a boundary\r\n\x01\x02 end", 34);
    {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pdfBytes);
    }
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    m_presenter->queueAnswer(QMessageBox::Yes);
    editor->sendVarnexaDelivery(0, "client@example.org", kSin, QStringLiteral("Élise"), pdf);

    QCOMPARE(m_presenter->shown().size(), 2);
    const ShownMessage &question = m_presenter->shown().first();
    QCOMPARE(question.kind, QString("warning"));
    QCOMPARE(question.title,
             QString("Send Document for E-Delivery through https://www.varnexa.invalid"));
    QCOMPARE(question.text, QString("An E-Delivery link email will be sent to client@example.org. "
                                    "Client can download file using 4286 (last 4 digits of the "
                                    "S.I.N.) as password."));
    QTEST(m_presenter->shown().last().text, "message");

    const QList<LocalServer::Request> sent = requestsFor("/api/signature-requests");
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().header("Authorization"), basic("preparer@example.com", password));
    const QList<Part> parts = multipartParts(sent.first());
    QCOMPARE(parts.size(), 11);
    QCOMPARE(parts.first().name, QString("document_file"));
    QCOMPARE(parts.first().fileName, QString("Tremblay 2025.pdf"));
    QCOMPARE(parts.first().contents, pdfBytes);
    Fields fields;
    for (int i = 1; i < parts.size(); ++i)
        fields.append({parts[i].name, QString::fromUtf8(parts[i].contents)});
    const Fields expected{
        {"email", "client@example.org"},
        {"password", "4286"},
        {"licdata", kSin},
        {"expires_in_days", "30"},
        {"sw", "T1RW2025"},
        {"func", "DOCDELI"},
        {"form", "T1GEN"},
        {"sender_note",
         QStringLiteral("This is for Élise (tax year 2025), default password is last 4 digits of "
                        "SIN")},
        {"msg1", "02c79670631c7548150a58d0c5492f7c2350d5784328be37e1f3cec2cd0429f4"},
        {"login_type", "Velquistor"}};
    QCOMPARE(fields, expected);
    QVERIFY(noWaitCursor());
}

void TestEsignature::deliveryDeclinedSendsNothing()
{
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    m_presenter->queueAnswer(QMessageBox::No);
    editor->sendVarnexaDelivery(101, "client@example.org", kSin, "Elise", "/nonexistent.pdf");
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_server->requests().size(), 0);

    appInstance()->config.VarnexaEmail.clear();
    m_presenter->clear();
    editor->sendVarnexaDelivery(101, "client@example.org", kSin, "Elise", "/nonexistent.pdf");
    QCOMPARE(shown(), QStringList{kNoAccount});
    QCOMPARE(m_server->requests().size(), 0);
}

void TestEsignature::status_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("signedAt");
    QTest::newRow("T183 completed") << FormType::T183
                                    << QByteArray("{\"sr_id\":\"a b/7\",\"status\":\"COMPLETED\","
                                                  "\"completed_at_utc\":\"2026-03-02T15:04:05Z\"}")
                                    << "Status: COMPLETED Signed time: 2026-03-02T15:04:05Z"
                                    << QDateTime(QDate(2026, 3, 2), QTime(15, 4, 5), Qt::UTC)
                                           .toLocalTime()
                                           .toString(Qt::ISODate);
    QTest::newRow("RC71 completed stores nothing")
        << FormType::RC71
        << QByteArray("{\"sr_id\":\"a b/7\",\"status\":\"COMPLETED\","
                      "\"completed_at_utc\":\"2026-03-02T15:04:05Z\"}")
        << "Status: COMPLETED Signed time: 2026-03-02T15:04:05Z"
        << "";
    QTest::newRow("another status")
        << FormType::T183 << QByteArray("{\"sr_id\":\"7\",\"status\":\"pending\"}")
        << "Status: pending Signature time is not available."
        << "";
    QTest::newRow("no status") << FormType::T183 << QByteArray("{\"sr_id\":\"7\"}")
                               << "Status:  Signature time is not available."
                               << "";
    QTest::newRow("completed without time")
        << FormType::T183 << QByteArray("{\"sr_id\":\"7\",\"status\":\"completed\"}")
        << "Status: completed No signed time is returned."
        << "";
    QTest::newRow("time not ISO 8601")
        << FormType::T183
        << QByteArray("{\"sr_id\":\"7\",\"status\":\"completed\",\"completed_at_utc\":\"soon\"}")
        << "Status: completed Signed time: soon"
        << "";
    QTest::newRow("no sr_id") << FormType::T183 << QByteArray("{\"status\":\"completed\"}")
                              << "Invalid result returned.{\"status\":\"completed\"}"
                              << "";
    QTest::newRow("not JSON") << FormType::T183 << QByteArray("<html>busy</html>")
                              << "Invalid result returned.<html>busy</html>"
                              << "";
}

void TestEsignature::status()
{
    QFETCH(int, formType);
    QFETCH(QByteArray, reply);
    QFETCH(QString, signedAt);
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, kTokenReply));
    m_server->setResponse("/api/signature-requests/a%20b%2F7",
                          LocalServer::Response::answer(200, reply));
    Form_Return *editor = openEditor(returnWithForms("  a b/7 ", "a b/7"));
    // The T183's page is open, as when the user asks from it.
    auto *t183 = static_cast<TaxData_T183New *>(editor->family()->getForm(FormType::T183, false));
    QVERIFY(editor->openForm(0, t183) > 0);
    auto *shownTime = qobject_cast<QLineEdit *>(boundWidget(editor, "signTimestamp"));
    QVERIFY(shownTime);
    QCOMPARE(shownTime->text(), QString());
    editor->querySignatureStatus(formType);
    QFETCH(QString, message);
    QCOMPARE(shown(), QStringList{message});

    const QList<LocalServer::Request> sent = requestsFor("/api/signature-requests/a%20b%2F7");
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().header("Authorization"), QByteArray("Bearer tok-77"));
    QCOMPARE(sent.first().body, QByteArray());
    QCOMPARE(t183->signTimestamp.toText(), signedAt);
    QCOMPARE(shownTime->text(), signedAt);
    QCOMPARE(t183->isSignedElectronically(), !signedAt.isEmpty());
    QVERIFY(noWaitCursor());
}

void TestEsignature::statusWithoutRequest_data()
{
    QTest::addColumn<bool>("withT183");
    QTest::addColumn<QString>("requestId");
    QTest::newRow("no T183") << false << QString();
    QTest::newRow("blank request id") << true << QString("   ");
}

void TestEsignature::statusWithoutRequest()
{
    QFETCH(bool, withT183);
    QFETCH(QString, requestId);
    Form_Return *editor = openEditor(returnWithForms(withT183 ? requestId : QString(), QString()));
    editor->querySignatureStatus(FormType::T183);
    QCOMPARE(shown(), QStringList{"E-Signature request has not been initiated!"});
    QCOMPARE(m_server->requests().size(), 0);
}

void TestEsignature::statusFailedLoginLeavesNoWaitCursor()
{
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, "{}"));
    Form_Return *editor = openEditor(returnWithForms("r-1", QString()));
    editor->querySignatureStatus(FormType::T183);
    QCOMPARE(shown(), QStringList{kLoginFailed});
    QCOMPARE(m_server->requests().size(), 1);
    QVERIFY(noWaitCursor());
}

void TestEsignature::signedTimeKeptAfterSaveAndReload()
{
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, kTokenReply));
    m_server->setResponse(
        "/api/signature-requests/r-1",
        LocalServer::Response::answer(200, "{\"sr_id\":\"r-1\",\"status\":\"completed\","
                                           "\"completed_at_utc\":\"2026-01-31T23:30:00Z\"}"));
    Form_Return *editor = openEditor(returnWithForms("r-1", QString()));
    editor->querySignatureStatus(FormType::T183);
    const QString path = m_fixture->dir() + "/signed.r25";
    QCOMPARE(saveReturnFile(*editor->family(), path, ReturnFixture::kEdition), 0);
    int result = -5;
    std::unique_ptr<FamilyTaxData> back = loadReturnFile(path, &result, ReturnFixture::kEdition);
    QVERIFY(back);
    auto *t183 = static_cast<TaxData_T183New *>(back->getForm(FormType::T183, false));
    QVERIFY(t183);
    QCOMPARE(t183->isSignedElectronically(), true);
    QCOMPARE(t183->signedAt().toUTC(), QDateTime(QDate(2026, 1, 31), QTime(23, 30), Qt::UTC));
}

void TestEsignature::editorEventsReachTheStatusQuery()
{
    installPrintServices(neighbourServices());
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, kTokenReply));
    m_server->setResponse("/api/signature-requests/rc-9",
                          LocalServer::Response::answer(200, "{\"sr_id\":\"rc-9\",\"status\":"
                                                             "\"sent\"}"));
    m_server->setResponse("/api/filing", LocalServer::Response::answer(201, "{}"));
    Form_Return *editor = openEditor(returnWithForms(QString(), "rc-9"));
    editor->requestSignatureStatus(FormType::RC71);
    QCOMPARE(shown(), QStringList{"Status: sent Signature time is not available."});
    QCOMPARE(neighbourServices().reportFiling(editor, FormType::T1, true, "C1", "ok"), 0);
    QCOMPARE(requestsFor("/api/filing").size(), 1);
    neighbourServices().querySignatureStatus = nullptr;
    neighbourServices().reportFiling = nullptr;
}

void TestEsignature::filingReport_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<LocalServer::Response>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("msg1");
    QTest::addColumn<QString>("status");
    QString sig;
    Varnexa::buildSignatureString("FLNGRCD", "T1", "0*****286", sig);
    const QString t1Sig = sha256Hex(sig);
    Varnexa::buildSignatureString("FLNGRCD", "t1135", "0*****286", sig);
    const QString t1135Sig = sha256Hex(sig);
    QTest::newRow("reply of 200") << FormType::T1 << true
                                  << LocalServer::Response::answer(200, QByteArray(200, 'x')) << 0
                                  << "T1" << t1Sig << "30100";
    QTest::newRow("reply of 201") << FormType::T1 << false
                                  << LocalServer::Response::answer(200, QByteArray(201, 'x')) << -99
                                  << "T1" << t1Sig << "30110";
    QTest::newRow("status 500") << FormType::T1135 << true
                                << LocalServer::Response::answer(500, "{}") << -100 << "t1135"
                                << t1135Sig << "30100";
    QTest::newRow("no reply") << FormType::T1135 << true
                              << LocalServer::Response::closeWithoutAnswer() << -100 << "t1135"
                              << t1135Sig << "30100";
}

void TestEsignature::filingReport()
{
    QFETCH(int, formType);
    QFETCH(bool, accepted);
    QFETCH(LocalServer::Response, reply);
    QFETCH(QString, form);
    QFETCH(QString, msg1);
    QFETCH(QString, status);
    m_server->setResponse("/api/filing", reply);
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QTEST(resultNumber(editor->reportFiling(formType, accepted, "CONF-12", "Filed & accepted")),
          "result");
    QCOMPARE(shown(), QStringList());
    const QList<LocalServer::Request> sent = requestsFor("/api/filing");
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().header("Authorization"), basic("preparer@example.com", "s3cret"));
    const Fields expected{{"licdata", "0*****286"},
                          {"sw", "T1RW2025"},
                          {"func", "FLNGRCD"},
                          {"form", form},
                          {"msg1", msg1},
                          {"taxpayer_name", QStringLiteral("Élise Tremblay")},
                          {"taxpayer_phone", "416-555-0199"},
                          {"login_type", "Velquistor"},
                          {"filed_at", ""},
                          {"tax_year_end", "2025/12/31"},
                          {"status", status},
                          {"confirmation_code", "CONF-12"},
                          {"filing_message", "Filed & accepted"}};
    QCOMPARE(formFields(sent.first().body), expected);
    QVERIFY(noWaitCursor());
}

void TestEsignature::filingReportOffSendsNothing()
{
    CT1AppConfig &c = appInstance()->config;
    c.FilingReport = false;
    c.VarnexaEmail.clear();
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QCOMPARE(editor->reportFiling(FormType::T1, true, "C", "M"), FilingReportResult::Reported);
    QCOMPARE(shown(), QStringList());
    QCOMPARE(m_server->requests().size(), 0);
}

void TestEsignature::filingReportWithoutAccount()
{
    appInstance()->config.VarnexaEmail.clear();
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QCOMPARE(editor->reportFiling(FormType::T1, true, "C", "M"), FilingReportResult::NoAccount);
    QCOMPARE(shown(), QStringList{"Enter Varnexa points email/password in preference, they are "
                                  "used for filing report."});
    QCOMPARE(m_server->requests().size(), 0);
}

namespace {

QByteArray templateReply(int version, const QByteArray &pdfUrl, const QByteArray &xmlUrl)
{
    return "{\"success\":true,\"data\":[{\"template_version\":" + QByteArray::number(version) +
           ",\"template_pdf_url\":\"" + pdfUrl + "\",\"template_xml_url\":\"" + xmlUrl + "\"}]}";
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

void TestEsignature::clientLetter_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("pdfPresent");
    QTest::addColumn<QByteArray>("reply"); // "PDF" and "XML" stand for the download addresses
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("downloaded");
    const QByteArray offer3 = templateReply(3, "PDF", "XML");
    QTest::newRow("same version, PDF present") << 3 << true << offer3 << 0 << 3 << false;
    QTest::newRow("same version, PDF missing") << 3 << false << offer3 << 100 << 3 << true;
    QTest::newRow("newer version")
        << 3 << true << templateReply(4, "PDF", "XML") << 100 << 4 << true;
    QTest::newRow("success false")
        << 3 << true << QByteArray("{\"success\":false,\"data\":[]}") << 111 << 3 << false;
    QTest::newRow("no success key")
        << 3 << true << QByteArray("{\"data\":[]}") << 111 << 3 << false;
    QTest::newRow("not JSON") << 3 << true << QByteArray("maintenance") << 111 << 3 << false;
    QTest::newRow("empty data") << 3 << true << QByteArray("{\"success\":true,\"data\":[]}") << 0
                                << 3 << false;
    QTest::newRow("file URL") << 3 << true << templateReply(4, "file:///etc/passwd", "XML") << 111
                              << 3 << false;
    // "HTTP-PDF" and "HTTP-XML" stand for the same addresses over plain http.
    QTest::newRow("PDF over plain http")
        << 3 << true << templateReply(4, "HTTP-PDF", "XML") << 111 << 3 << false;
    QTest::newRow("XML over plain http")
        << 3 << false << templateReply(4, "PDF", "HTTP-XML") << 111 << 3 << false;
}

void TestEsignature::clientLetter()
{
    QFETCH(int, stored);
    QFETCH(bool, pdfPresent);
    QFETCH(QByteArray, reply);
    QFETCH(bool, downloaded);
    CT1AppConfig &c = appInstance()->config;
    c.CustomizedClientLetter_Ver = stored;
    QCOMPARE(CSqliteDBManager::setConfigInt("CustomizedClientLetter_Ver", stored), RowChange::Done);
    const QString pdfDir = m_fixture->dir() + "/pdf";
    const QString xmlDir = m_fixture->dir() + "/xml";
    QVERIFY(QDir().mkpath(pdfDir) && QDir().mkpath(xmlDir));
    const QString pdfPath = pdfDir + "/t1_clientletter_own.pdf";
    const QString xmlPath = xmlDir + "/t1_clientletter_own.xml";
    if (pdfPresent) {
        QFile f(pdfPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old pdf");
    }
    reply.replace("\"PDF\"", "\"" + m_server->url("/files/letter.pdf") + "\"");
    reply.replace("\"XML\"", "\"" + m_server->url("/files/letter.xml") + "\"");
    for (const QByteArray file : {"PDF", "XML"}) {
        const QByteArray https = m_server->url("/files/letter." + file.toLower());
        QVERIFY(https.startsWith("https:"));
        reply.replace("\"HTTP-" + file + "\"", "\"http:" + https.mid(6) + "\"");
    }
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, kTokenReply));
    m_server->setResponse("/api/templates/latest", LocalServer::Response::answer(200, reply));
    m_server->setResponse("/files/letter.pdf", LocalServer::Response::answer(200, "new pdf"));
    m_server->setResponse("/files/letter.xml", LocalServer::Response::answer(200, "<new/>"));

    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QTEST(resultNumber(editor->fetchCustomizedClientLetter(pdfDir, xmlDir)), "result");
    QCOMPARE(shown(), QStringList());

    const QList<LocalServer::Request> query = requestsFor("/api/templates/latest");
    QCOMPARE(query.size(), 1);
    QCOMPARE(query.first().header("Authorization"), QByteArray("Bearer tok-77"));
    QCOMPARE(formFields(query.first().body), (Fields{{"software_name", "T1RW"},
                                                     {"software_version", "2025"},
                                                     {"type", "client_letter"},
                                                     {"version_info_only", "0"}}));
    QCOMPARE(requestsFor("/files/letter.pdf").size(), downloaded ? 1 : 0);
    QCOMPARE(requestsFor("/files/letter.xml").size(), downloaded ? 1 : 0);
    QCOMPARE(requestsFor("/files/letter.pdf").value(0).method,
             downloaded ? QByteArray("GET") : QByteArray());
    QCOMPARE(readAll(pdfPath),
             downloaded ? QByteArray("new pdf")
                        : (pdfPresent ? QByteArray("old pdf") : QByteArray("(missing)")));
    QCOMPARE(readAll(xmlPath), downloaded ? QByteArray("<new/>") : QByteArray("(missing)"));
    QTEST(c.CustomizedClientLetter_Ver, "version");
    int row = -1;
    QVERIFY(CSqliteDBManager::getConfigInt("CustomizedClientLetter_Ver", row) > 0);
    QTEST(row, "version");
    QCOMPARE(QDir(pdfDir).entryList(QDir::Files | QDir::Hidden),
             QStringList(downloaded || pdfPresent ? QStringList{"t1_clientletter_own.pdf"}
                                                  : QStringList()));
    QVERIFY(noWaitCursor());
}

void TestEsignature::clientLetterFailedDownloadChangesNothing()
{
    CT1AppConfig &c = appInstance()->config;
    c.CustomizedClientLetter_Ver = 3;
    QCOMPARE(CSqliteDBManager::setConfigInt("CustomizedClientLetter_Ver", 3), RowChange::Done);
    const QString dir = m_fixture->dir();
    for (const char *name : {"/t1_clientletter_own.pdf", "/t1_clientletter_own.xml"}) {
        QFile f(dir + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    m_server->setResponse("/api/user/login", LocalServer::Response::answer(200, kTokenReply));
    m_server->setResponse(
        "/api/templates/latest",
        LocalServer::Response::answer(200, templateReply(4, m_server->url("/files/letter.pdf"),
                                                         m_server->url("/files/missing.xml"))));
    m_server->setResponse("/files/letter.pdf", LocalServer::Response::answer(200, "new pdf"));
    Form_Return *editor = openEditor(returnWithForms(QString(), QString()));
    QCOMPARE(editor->fetchCustomizedClientLetter(dir, dir), ClientLetterFetch::RequestFailed);
    QCOMPARE(readAll(dir + "/t1_clientletter_own.pdf"), QByteArray("old"));
    QCOMPARE(readAll(dir + "/t1_clientletter_own.xml"), QByteArray("old"));
    QCOMPARE(c.CustomizedClientLetter_Ver, 3);
    int row = -1;
    QVERIFY(CSqliteDBManager::getConfigInt("CustomizedClientLetter_Ver", row) > 0);
    QCOMPARE(row, 3);
    QCOMPARE(QDir(dir).entryList({"*.download"}, QDir::Files | QDir::Hidden), QStringList());
}

QV_TEST_MAIN(TestEsignature)
#include "tst_Esignature.moc"
