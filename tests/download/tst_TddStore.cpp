// Storing a data reply and a notice reply: items matched to the requested S.I.N.s and stored in
// a real database file from a worker thread, items cut whatever their serialisation, malformed
// replies, notices rendered by a local HTTPS service into page files.
#include <QtTest>

#include <QApplication>
#include <QCryptographicHash>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QUrlQuery>
#include <cstdio>

#include "FileModes.h"
#include "TddTestSupport.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "download/DlgTDDProgressWait.h"
#include "download/TddWebService.h"

namespace {
const QByteArray kSinA = "046454286";
const QByteArray kSinB = "130692544";
const QByteArray kSinC = "193456787";

QByteArray digest(const QByteArray &sin)
{
    return QCryptographicHash::hash(sin, QCryptographicHash::Sha256).toHex();
}

// An item as the service writes it, with the prefix and the identifier given.
QByteArray item(const QByteArray &identifier,
                const QByteArray &prefix = "ns2:", const QByteArray &remark = "r")
{
    return "<" + prefix + "IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>" +
           identifier + "</IndividualTaxpayerIdentifier><Slips remark=\"" + remark + "\"/></" +
           prefix + "IndividualIncomeTaxDataItem>";
}

QByteArray reply(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<soapenv:Body><ns2:GetTDDNetfileResponse xmlns:ns2=\"urn:tdd\">"
           "<ns2:TaxDataDelivery><ns2:TaxData>" +
           items +
           "</ns2:TaxData></ns2:TaxDataDelivery></ns2:GetTDDNetfileResponse></soapenv:Body>"
           "</soapenv:Envelope>";
}

struct Row
{
    QString sin;
    QString name;
    QString data;
    QString html;
    int year;
};

// The tb_taxdata rows joined with their taxpayers, by S.I.N.
QList<Row> taxDataRows()
{
    QList<Row> rows;
    QSqlQuery query("select p.sin, p.name, d.data1, d.html1, d.taxyear from tb_taxdata d "
                    "join tb_taxpayers p on p.id = d.uid order by p.sin");
    while (query.next())
        rows << Row{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                    query.value(3).toString(), query.value(4).toInt()};
    return rows;
}

int taxpayerId(const QByteArray &sin)
{
    QSqlQuery query;
    query.prepare("select id from tb_taxpayers where sin=:sin");
    query.bindValue(":sin", QString(sin));
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

// A notice reply holding the items, written as the notice service writes it.
QByteArray noaReply(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<soapenv:Body><GetNOAResponse><NoticeOfAssessment><NoticeOfAssessmentData>" +
           items +
           "</NoticeOfAssessmentData></NoticeOfAssessment></GetNOAResponse></soapenv:Body>"
           "</soapenv:Envelope>";
}

const QByteArray kNoaHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
    "<soapenv:Body><GetNOAResponse><NoticeOfAssessment><NoticeOfAssessmentData>";
const QByteArray kNoaTail = "</NoticeOfAssessmentData></NoticeOfAssessment></GetNOAResponse>"
                            "</soapenv:Body></soapenv:Envelope>";

QByteArray noaItem(const QByteArray &identifier, const QByteArray &inner)
{
    return "<NoticeOfAssessmentItem><IndividualTaxpayerIdentifier>" + identifier +
           "</IndividualTaxpayerIdentifier>" + inner + "</NoticeOfAssessmentItem>";
}

struct NoaRow
{
    QString sin;
    QString time;
    QString data;
    QString html;
    int year;
};

QList<NoaRow> noaRows()
{
    QList<NoaRow> rows;
    QSqlQuery query("select p.sin, n.create_time, n.data1, n.htmlfile, n.taxyear from tb_taxnoa n "
                    "join tb_taxpayers p on p.id = n.uid order by p.sin");
    while (query.next())
        rows << NoaRow{query.value(0).toString(), query.value(1).toString(),
                       query.value(2).toString(), query.value(3).toString(),
                       query.value(4).toInt()};
    return rows;
}

int count(const char *table)
{
    QSqlQuery query(QString("select count(*) from %1").arg(table));
    return query.next() ? query.value(0).toInt() : -1;
}
} // namespace

class TestTddStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_logPath;
    TddServiceFixture m_fixture;
    QString m_pages;
    int m_round = 0;

    int storeNoa(TddProgressSink &sink, const QByteArray &data, QByteArray *log = nullptr)
    {
        return store(sink, data, log, 2);
    }

    // Runs the store on a worker thread as the get step does; the log's text in log.
    int store(TddProgressSink &sink, const QByteArray &data, QByteArray *log = nullptr,
              int mode = 1)
    {
        TddWebService service;
        service.setTaxYearAndMode("2025", mode);
        service.setProgressSink(&sink);
        FILE *file = std::fopen(QFile::encodeName(m_logPath).constData(), "w");
        int result = 99;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            result = mode == 1 ? service.saveTaxDataResponse(file, data)
                               : service.saveNoaResponse(file, data);
        }));
        worker->start();
        worker->wait();
        // The queued cursor changes of the worker.
        QCoreApplication::processEvents();
        std::fclose(file);
        if (log) {
            QFile read(m_logPath);
            read.open(QIODevice::ReadOnly);
            *log = read.readAll();
        }
        service.setProgressSink(nullptr);
        return result;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logPath = m_dir.filePath("tddlog.txt");
        QCOMPARE(appInstance()->openDatabase(CString(m_dir.path())), OpenDatabaseResult::Open);
        QString error;
        QVERIFY2(m_fixture.initOnce(&error), qPrintable(error));
    }

    void init()
    {
        QVERIFY(m_fixture.startService());
        TabWndApp *app = appInstance();
        app->config.QuorvandelleWebServer =
            "127.0.0.1:" + QString::number(m_fixture.service().port());
        m_pages = m_dir.filePath("noa-" + QString::number(++m_round));
        app->config.NoaPath = m_pages;
        QSqlQuery("delete from tb_taxnoa").exec();
        QSqlQuery("delete from tb_taxdata").exec();
        QSqlQuery("delete from tb_taxpayers").exec();
    }

    void storesRequestedItemsAndSkipsOthers()
    {
        RecordingSink sink({kSinA, kSinB});
        QByteArray log;
        const QByteArray itemA = item(digest(kSinA), "ns2:", "a");
        const QByteArray itemB = item(digest(kSinB), "ns2:", "b");
        QCOMPARE(store(sink, reply(itemA + item(digest(kSinC)) + itemB), &log), 3);

        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].sin, QString(kSinA));
        QCOMPARE(rows[0].name, QString());
        QCOMPARE(rows[0].data, QString(itemA));
        QVERIFY2(rows[0].html.startsWith("<body>\n<h3>SIN: 046454286, update time: "),
                 qPrintable(rows[0].html.left(60)));
        QCOMPARE(rows[0].year, 2025);
        QCOMPARE(rows[1].sin, QString(kSinB));
        QCOMPARE(rows[1].data, QString(itemB));
        QCOMPARE(count("tb_taxpayers"), 2);

        const int idA = taxpayerId(kSinA);
        const int idB = taxpayerId(kSinB);
        QCOMPARE(QString(log), QString("enter parse data\ndb alive\n"
                                       "parse 1 (0)\ncannot locate id=0\nsave into id=%1\n"
                                       "save into db=2\nsave 1 (xxxxx4286)\n"
                                       "parse 2 (0)\nskipping 2 (%2)\n"
                                       "parse 3 (0)\ncannot locate id=0\nsave into id=%3\n"
                                       "save into db=2\nsave 3 (xxxxx2544)\n")
                                   .arg(idA)
                                   .arg(QString("xxxxx" + digest(kSinC).right(4)))
                                   .arg(idB));
        QCOMPARE(sink.reports(),
                 (Reports{{80, 0}, {81, 0}, {85, 0}, {90, 0}, {85, 0}, {85, 0}, {90, 0}}));
    }

    // The stored summary page's GST/HST line links to the government host the configuration
    // names, as the after-filing page does.
    void gstHstLinkOnTheGovernmentHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("link");
        QTest::newRow("configured") << "www.canada.ca"
                                    << "https://www.canada.ca/gst-hst-filing.";
        QTest::newRow("with a port") << "gov.example:8443"
                                     << "https://gov.example:8443/gst-hst-filing.";
    }

    void gstHstLinkOnTheGovernmentHost()
    {
        QFETCH(QString, host);
        QFETCH(QString, link);
        TabWndApp *app = appInstance();
        const CString kept = app->config.GovernmentWebServer;
        app->config.GovernmentWebServer = host;
        RecordingSink sink({kSinA});
        const QByteArray withIndicator =
            "<ns2:IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>" + digest(kSinA) +
            "</IndividualTaxpayerIdentifier><Summary><GSTHSTReturnIndicator>Y"
            "</GSTHSTReturnIndicator></Summary></ns2:IndividualIncomeTaxDataItem>";
        const int stored = store(sink, reply(withIndicator));
        app->config.GovernmentWebServer = kept;
        QCOMPARE(stored, 1);
        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows[0].html.contains("your business GST/HST returns, visit " + link + "<br>"),
                 qPrintable(rows[0].html));
        QVERIFY(!rows[0].html.contains("government.invalid"));
    }

    void interruptedStoreKeepsTheOldItem()
    {
        RecordingSink sink({kSinA});
        const QByteArray first = item(digest(kSinA), "ns2:", "old");
        QCOMPARE(store(sink, reply(first)), 1);
        QCOMPARE(taxDataRows().size(), 1);
        // The new item's insert fails after its delete has run.
        QVERIFY(QSqlQuery().exec("create trigger refuse_insert before insert on tb_taxdata "
                                 "begin select raise(abort, 'interrupted'); end"));
        QByteArray log;
        QCOMPARE(store(sink, reply(item(digest(kSinA), "ns2:", "new")), &log), 1);
        QVERIFY(QSqlQuery().exec("drop trigger refuse_insert"));
        QVERIFY2(log.contains("save into db=0\n"), log.constData());
        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data, QString(first));
    }

    void skippedPlainSinIsMasked()
    {
        // An identifier sent as the S.I.N. itself is masked in the log like a saved one.
        RecordingSink sink({kSinA});
        QByteArray log;
        QCOMPARE(store(sink, reply(item(kSinC)), &log), 1);
        QCOMPARE(taxDataRows().size(), 0);
        QVERIFY2(
            log.endsWith("parse 1 (0)\nskipping 1 (xxxxx" + QByteArray(kSinC).right(4) + ")\n"),
            log.constData());
        QVERIFY(!log.contains(kSinC));
    }

    void upperCaseIdentifierMatches()
    {
        RecordingSink sink({kSinA});
        QCOMPARE(store(sink, reply(item(digest(kSinA).toUpper()))), 1);
        QCOMPARE(taxDataRows().size(), 1);
        QCOMPARE(taxDataRows()[0].sin, QString(kSinA));
    }

    void secondDownloadReplacesTheRowAndKeepsTheName()
    {
        QSqlQuery named;
        QVERIFY(named.prepare("insert into tb_taxpayers (name, sin) values ('Ann Lee', :sin)"));
        named.bindValue(":sin", QString(kSinA));
        QVERIFY(named.exec());
        RecordingSink sink({kSinA});
        QCOMPARE(store(sink, reply(item(digest(kSinA), "ns2:", "first"))), 1);
        const QByteArray newer = item(digest(kSinA), "ns2:", "second");
        QCOMPARE(store(sink, reply(newer)), 1);

        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data, QString(newer));
        QCOMPARE(rows[0].name, QString("Ann Lee"));
        QCOMPARE(count("tb_taxpayers"), 1);
    }

    void malformedRepliesStoreNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("result");
        QTest::newRow("no items") << reply("") << 0;
        QTest::newRow("not XML") << QByteArray("<soapenv:Envelope><soapenv:Body>") << -2;
        QTest::newRow("empty") << QByteArray() << -2;
        QTest::newRow("no TaxDataDelivery")
            << QByteArray("<soapenv:Envelope><soapenv:Body><ns2:GetTDDNetfileResponse>" +
                          item(digest(kSinA)) +
                          "</ns2:GetTDDNetfileResponse></soapenv:Body></soapenv:Envelope>")
            << -5;
    }

    void malformedRepliesStoreNothing()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, result);
        RecordingSink sink({kSinA});
        QCOMPARE(store(sink, data), result);
        QCOMPARE(count("tb_taxdata"), 0);
        QCOMPARE(count("tb_taxpayers"), 0);
    }

    // Each item is stored exactly as written, from its own start tag to its own end tag.
    void itemsAreCutWhateverTheirSerialisation_data()
    {
        QTest::addColumn<QByteArray>("lead");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        const QByteArray body = "><IndividualTaxpayerIdentifier>%1</IndividualTaxpayerIdentifier>"
                                "<Slips remark=\"%2\"/>";
        auto withBody = [&](const QByteArray &open, const QByteArray &sin,
                            const QByteArray &close) {
            return open + QByteArray(body).replace("%1", digest(sin)).replace("%2", sin) + close;
        };
        QTest::newRow("prefix of two") << QByteArray()
                                       << withBody("<ns:IndividualIncomeTaxDataItem", kSinA,
                                                   "</ns:IndividualIncomeTaxDataItem>")
                                       << withBody("<ns:IndividualIncomeTaxDataItem", kSinB,
                                                   "</ns:IndividualIncomeTaxDataItem>");
        QTest::newRow("prefix of five") << QByteArray()
                                        << withBody("<ns123:IndividualIncomeTaxDataItem", kSinA,
                                                    "</ns123:IndividualIncomeTaxDataItem>")
                                        << withBody("<ns123:IndividualIncomeTaxDataItem", kSinB,
                                                    "</ns123:IndividualIncomeTaxDataItem>");
        QTest::newRow("no prefix")
            << QByteArray()
            << withBody("<IndividualIncomeTaxDataItem", kSinA, "</IndividualIncomeTaxDataItem>")
            << withBody("<IndividualIncomeTaxDataItem", kSinB, "</IndividualIncomeTaxDataItem>");
        QTest::newRow("name in a comment before")
            << QByteArray("<!-- <ns2:IndividualIncomeTaxDataItem> -->")
            << withBody("<ns2:IndividualIncomeTaxDataItem", kSinA,
                        "</ns2:IndividualIncomeTaxDataItem>")
            << withBody("<ns2:IndividualIncomeTaxDataItem", kSinB,
                        "</ns2:IndividualIncomeTaxDataItem>");
        QTest::newRow("attributes and blanks")
            << QByteArray()
            << withBody("<ns2:IndividualIncomeTaxDataItem seq=\"1\"\n  kind='a'", kSinA,
                        "</ns2:IndividualIncomeTaxDataItem >")
            << withBody("<ns2:IndividualIncomeTaxDataItem\tseq=\"2\"", kSinB,
                        "</ns2:IndividualIncomeTaxDataItem\n>");
    }

    void itemsAreCutWhateverTheirSerialisation()
    {
        QFETCH(QByteArray, lead);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        RecordingSink sink({kSinA, kSinB});
        QCOMPARE(store(sink, reply(lead + first + "\n  " + second)), 2);
        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].data, QString(first));
        QCOMPARE(rows[1].data, QString(second));
    }

    void itemWithoutEndTagIsSkipped()
    {
        RecordingSink sink({kSinA, kSinB});
        const QByteArray first = item(digest(kSinA));
        const QByteArray second =
            "<ns2:IndividualIncomeTaxDataItem IndividualTaxpayerIdentifier=\"" + digest(kSinB) +
            "\"/>";
        QByteArray log;
        QCOMPARE(store(sink, reply(first + second), &log), 2);
        const QList<Row> rows = taxDataRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data, QString(first));
        QVERIFY2(log.endsWith("parse 2 (-1)\nskipping 2 ()\n"), log.constData());
    }

    void noticeIsRenderedToItsPage()
    {
        m_fixture.service().enqueue(LocalServer::Response::answer(200, "<html>Notice</html>"));
        RecordingSink sink({kSinA});
        const QByteArray inner = "<T1Notice><Account><MaskedAccountNumber>12345678"
                                 "</MaskedAccountNumber></Account></T1Notice>";
        QByteArray log;
        QCOMPARE(storeNoa(sink, noaReply(noaItem(digest(kSinA), inner)), &log), 1);
        QVERIFY(!QApplication::overrideCursor());

        const QByteArray masked =
            noaItem(digest(kSinA), "<T1Notice><Account><MaskedAccountNumber>xxxxx4286"
                                   "</MaskedAccountNumber></Account></T1Notice>");
        const QList<LocalServer::Request> requests = m_fixture.service().requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].path, QByteArray("/expnoaserv/ExpNOAServ"));
        const QList<QPair<QString, QString>> fields =
            QUrlQuery(QString::fromUtf8(requests[0].body)).queryItems(QUrl::FullyDecoded);
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields[0].first, QString("noaxml"));
        QCOMPARE(fields[0].second, QString(kNoaHead + masked + kNoaTail));
        QCOMPARE(fields[1].first, QString("testtime"));
        QCOMPARE(fields[2], (QPair<QString, QString>("taxyear", "2025")));
        QCOMPARE(fields[3], (QPair<QString, QString>("xsltType", "t1noa_2023")));

        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].sin, QString(kSinA));
        QCOMPARE(rows[0].time, fields[1].second);
        QCOMPARE(rows[0].data, QString(kNoaHead + masked + kNoaTail));
        QCOMPARE(rows[0].html, m_pages + "/noa2025_xxxxx4286.html");
        QCOMPARE(rows[0].year, 2025);
        QFile page(rows[0].html);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), QByteArray("<html>Notice</html>"));
        // The notice's folder and page, and the database that holds the download, are private.
        QCOMPARE(fileMode(m_pages), 0700);
        QCOMPARE(fileMode(rows[0].html), 0600);
        QCOMPARE(fileMode(m_dir.filePath("mydata2025n.db")), 0600);
        QVERIFY2(log.endsWith("xslt=0 save into db=1\n"), log.constData());
        QCOMPARE(sink.messages(), QStringList());
    }

    void failedRenderingWritesNoPage()
    {
        m_fixture.service().enqueue(LocalServer::Response::answer(500, "<html>Error</html>"));
        RecordingSink sink({kSinA});
        QCOMPARE(storeNoa(sink, noaReply(noaItem(digest(kSinA), "<T1Notice/>"))), 1);
        QVERIFY(!QApplication::overrideCursor());
        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].html, m_pages + "/noa2025_xxxxx4286.html");
        QVERIFY(!QFile::exists(rows[0].html));
    }

    void itemWithoutNoticeStoresTheMessage_data()
    {
        QTest::addColumn<QByteArray>("inner");
        QTest::addColumn<QString>("text");
        QTest::newRow("english wins over french")
            << QByteArray("<AssessmentSummaryText xml:lang=\"fr\">Avis</AssessmentSummaryText>"
                          "<AssessmentSummaryText xml:lang=\"EN\">Not assessed yet"
                          "</AssessmentSummaryText>")
            << "%1, Not assessed yet.";
        QTest::newRow("french only")
            << QByteArray("<AssessmentSummaryText xml:lang=\"fr\">Avis</AssessmentSummaryText>")
            << "%1, no message presents.";
        QTest::newRow("no text") << QByteArray() << "%1, no message presents.";
    }

    void itemWithoutNoticeStoresTheMessage()
    {
        QFETCH(QByteArray, inner);
        QFETCH(QString, text);
        RecordingSink sink({kSinA});
        QCOMPARE(storeNoa(sink, noaReply(noaItem(digest(kSinA), inner))), 1);
        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].html, text.arg("For tax payer (S.I.N. xxxxx4286)"));
        QCOMPARE(rows[0].data, QString(kNoaHead + noaItem(digest(kSinA), inner) + kNoaTail));
        QCOMPARE(sink.messages(), QStringList{text.arg("For tax payer (S.I.N. 046454286)")});
        QCOMPARE(m_fixture.service().requests().size(), 0);
    }

    // The progress dialog keeps one message per taxpayer, the latest, in S.I.N. order,
    // whatever order the items arrive in.
    void noticeMessagesOnePerTaxpayerInSinOrder()
    {
        const QList<QByteArray> sins{kSinC, kSinA};
        DlgTDDProgressWait dialog(2, sins);
        auto summary = [](const QByteArray &text) {
            return "<AssessmentSummaryText xml:lang=\"EN\">" + text + "</AssessmentSummaryText>";
        };
        const QByteArray items = noaItem(digest(kSinC), summary("First")) +
                                 noaItem(digest(kSinA), summary("Pending")) +
                                 noaItem(digest(kSinC), summary("Second"));
        QCOMPARE(storeNoa(dialog, noaReply(items)), 3);
        QCOMPARE(dialog.taxpayerMessages(),
                 QStringList({"For tax payer (S.I.N. 046454286), Pending.",
                              "For tax payer (S.I.N. 193456787), Second."}));
    }

    void itemWithoutIdentifierEndsTheCall()
    {
        RecordingSink sink({kSinA, kSinB});
        QByteArray log;
        const QByteArray items = noaItem(digest(kSinA), "") +
                                 "<NoticeOfAssessmentItem><T1Notice/></NoticeOfAssessmentItem>" +
                                 noaItem(digest(kSinB), "");
        QCOMPARE(storeNoa(sink, noaReply(items), &log), 0);
        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].sin, QString(kSinA));
        QVERIFY2(log.endsWith("SIN not found, return early"), log.constData());
    }

    void secondNoticeDownloadLeavesOneRow()
    {
        RecordingSink sink({kSinA});
        QCOMPARE(storeNoa(sink, noaReply(noaItem(digest(kSinA), ""))), 1);
        const QByteArray newer =
            noaItem(digest(kSinA), "<AssessmentSummaryText xml:lang=\"en\">Later"
                                   "</AssessmentSummaryText>");
        QCOMPARE(storeNoa(sink, noaReply(newer)), 1);
        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].html, QString("For tax payer (S.I.N. xxxxx4286), Later."));
        QCOMPARE(count("tb_taxpayers"), 1);
    }

    void interruptedNoticeStoreKeepsTheOldNotice()
    {
        RecordingSink sink({kSinA});
        QCOMPARE(storeNoa(sink, noaReply(noaItem(digest(kSinA), ""))), 1);
        const QList<NoaRow> before = noaRows();
        QCOMPARE(before.size(), 1);
        // The new notice's insert fails after its delete has run.
        QVERIFY(QSqlQuery().exec("create trigger refuse_notice before insert on tb_taxnoa "
                                 "begin select raise(abort, 'interrupted'); end"));
        const QByteArray newer =
            noaItem(digest(kSinA), "<AssessmentSummaryText xml:lang=\"en\">Later"
                                   "</AssessmentSummaryText>");
        storeNoa(sink, noaReply(newer));
        QVERIFY(QSqlQuery().exec("drop trigger refuse_notice"));
        const QList<NoaRow> rows = noaRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].data, before[0].data);
        QCOMPARE(rows[0].html, before[0].html);
        // The connection is usable again: the next notice replaces the old one.
        QCOMPARE(storeNoa(sink, noaReply(newer)), 1);
        QCOMPARE(noaRows().size(), 1);
        QCOMPARE(noaRows()[0].html, QString("For tax payer (S.I.N. xxxxx4286), Later."));
    }

    void malformedNoticeRepliesStoreNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("result");
        QTest::newRow("no items") << noaReply("") << 0;
        QTest::newRow("not XML") << QByteArray("<soapenv:Envelope>") << -2;
        QTest::newRow("no NoticeOfAssessment")
            << QByteArray("<soapenv:Envelope><soapenv:Body><GetNOAResponse/></soapenv:Body>"
                          "</soapenv:Envelope>")
            << -5;
    }

    void malformedNoticeRepliesStoreNothing()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, result);
        RecordingSink sink({kSinA});
        QCOMPARE(storeNoa(sink, data), result);
        QCOMPARE(count("tb_taxnoa"), 0);
        QCOMPARE(count("tb_taxpayers"), 0);
    }

    void cleanup() { m_fixture.stopService(); }
};

QV_TEST_MAIN(TestTddStore)
#include "tst_TddStore.moc"
