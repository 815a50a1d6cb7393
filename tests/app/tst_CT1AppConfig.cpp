// CT1AppConfig: defaults, the two path files in order, endpoints, testing mode, software codes.
#include <QtTest>

#include "app/CT1AppConfig.h"

namespace {

const QString prod = "ws.tax-authority.invalid";
const QString cert = "certtest.tax-authority.invalid";

// Drives the configuration the way start-up does, with optional run and program files.
struct Layers
{
    explicit Layers(const QByteArray &runFile = {}, const QByteArray &programFile = {})
    {
        config.setDefaultPaths("/opt/q/bin", "/home/u/Documents/quorvandelle/2025");
        config.readConfigFile(write("run.ini", runFile));
        config.readConfigFile(write("program.ini", programFile));
        config.setDefaultServers();
    }
    QByteArray write(const char *name, const QByteArray &content)
    {
        const QString p = dir.filePath(name);
        if (!content.isNull()) {
            QFile f(p);
            f.open(QIODevice::WriteOnly);
            f.write(content);
        }
        return p.toUtf8();
    }
    QTemporaryDir dir;
    CT1AppConfig config;
};

class StateConfig : public CT1AppConfig
{
public:
    using CT1AppConfig::setReaderState;
};

// Every member of the configuration as "name=value", the reader's state included.
QStringList everyMember(const CT1AppConfig &c)
{
    QStringList out;
    auto text = [&out](const char *name, const QString &v) { out.append(name + ("=" + v)); };
    auto number = [&out](const char *name, int v) {
        out.append(name + ("=" + QString::number(v)));
    };
    const QList<QPair<const char *, const CString *>> texts = {
        {"EfileSoftwareCode", &c.EfileSoftwareCode},
        {"NetfileSoftwareCode", &c.NetfileSoftwareCode},
        {"NetfileSoftwareDate", &c.NetfileSoftwareDate},
        {"EfileSoftwareDate", &c.EfileSoftwareDate},
        {"EOLSERVER", &c.EOLSERVER},
        {"NETFILESERVER", &c.NETFILESERVER},
        {"T1013SERVER", &c.T1013SERVER},
        {"QuorvandelleWebServer", &c.QuorvandelleWebServer},
        {"URL_SEND_RETURN_FILE", &c.URL_SEND_RETURN_FILE},
        {"URL_SEND_COMMENT", &c.URL_SEND_COMMENT},
        {"InfoServer", &c.InfoServer},
        {"LeftPaneSize", &c.LeftPaneSize},
        {"BKColor", &c.BKColor},
        {"FontSize", &c.FontSize},
        {"InstallPath", &c.InstallPath},
        {"PDFPATH", &c.PDFPATH},
        {"XMLPATH", &c.XMLPATH},
        {"BFORM_XMLPATH", &c.BFORM_XMLPATH},
        {"HTMLPATH", &c.HTMLPATH},
        {"EFILEXML_TEMPLATE_PATH", &c.EFILEXML_TEMPLATE_PATH},
        {"JAVACLASSPATH", &c.JAVACLASSPATH},
        {"JAVAPROJPATH", &c.JAVAPROJPATH},
        {"JVMPATH", &c.JVMPATH},
        {"BusinessName", &c.BusinessName},
        {"BusinessAddr", &c.BusinessAddr},
        {"BusinessCity", &c.BusinessCity},
        {"BusinessProv", &c.BusinessProv},
        {"BusinessPostcode", &c.BusinessPostcode},
        {"BusinessPhone", &c.BusinessPhone},
        {"BusinessEFileNum", &c.BusinessEFileNum},
        {"BusinessEFilePassword", &c.BusinessEFilePassword},
        {"DiscounterCode", &c.DiscounterCode},
        {"RetPath", &c.RetPath},
        {"RetPdfPath", &c.RetPdfPath},
        {"NoaPath", &c.NoaPath},
        {"CompabWord", &c.CompabWord},
        {"ShowRelMsg", &c.ShowRelMsg},
        {"VarnexaEmail", &c.VarnexaEmail},
        {"VarnexaPswd", &c.VarnexaPswd},
        {"VXFromEmail", &c.VXFromEmail},
        {"VarnexaServer", &c.VarnexaServer},
        {"TDDDataFile", &c.TDDDataFile}};
    for (const auto &t : texts)
        text(t.first, *t.second);
    for (int i = 0; i < CT1AppConfig::EndpointCount; ++i) {
        text("downloadEndpoints", c.downloadEndpoints[i]);
        text("TDDEndpoint", c.TDDEndpoint[i]);
        text("TDDEndpointTest", c.TDDEndpointTest[i]);
    }
    const QList<QPair<const char *, int>> numbers = {
        {"LeftX", c.LeftX},
        {"LeftY", c.LeftY},
        {"Width", c.Width},
        {"Height", c.Height},
        {"PreAssessment", c.PreAssessment},
        {"PostAssessment", c.PostAssessment},
        {"PrntClientLetter", c.PrntClientLetter},
        {"SaveBackup", c.SaveBackup},
        {"PdfPathSameAsRet", c.PdfPathSameAsRet},
        {"CompabEnable", c.CompabEnable},
        {"CustomizedClientLetter_Ver", c.CustomizedClientLetter_Ver},
        {"PrintLogo", c.PrintLogo},
        {"PrintHeader", c.PrintHeader},
        {"PrintTailer", c.PrintTailer},
        {"FullLog", c.FullLog},
        {"Allow2nd", c.Allow2nd},
        {"FilingReport", c.FilingReport},
        {"CustomizedClientLetter", c.CustomizedClientLetter},
        {"MODEDEBUG", c.MODEDEBUG},
        {"NoWarningMsg", c.NoWarningMsg},
        {"EnableGenPrint", c.EnableGenPrint},
        {"OverwriteStatus", c.OverwriteStatus},
        {"readerState", c.readerState()}};
    for (const auto &n : numbers)
        number(n.first, n.second);
    return out;
}

QString installPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
}

} // namespace

class TestCT1AppConfig : public QObject
{
    Q_OBJECT
private slots:
    void defaults();
    void layers_data();
    void layers();
    void endpoints_data();
    void endpoints();
    void softwareCode_data();
    void softwareCode();
    void testingModeLogsPaths();
    void everyKeyFromFile();
    void restoreDefaults();
};

void TestCT1AppConfig::defaults()
{
    Layers l;
    const CT1AppConfig &c = l.config;
    const QString inst = installPath();
    const QList<QPair<QString, QString>> texts = {
        {c.NetfileSoftwareCode, "095"},
        {c.EfileSoftwareCode, "095"},
        {c.NetfileSoftwareDate, "2026-03-03"},
        {c.EfileSoftwareDate, "2026-03-03"},
        {c.VarnexaServer, "https://api.varnexa.invalid"},
        {c.QuorvandelleWebServer, "www.quorvandelle.invalid"},
        {c.InfoServer, "www.quorvandelle.invalid"},
        {c.StatisticsWebServer, "www.statistics-agency.invalid"},
        {c.GovernmentWebServer, "www.government.invalid"},
        {c.URL_SEND_RETURN_FILE, "/fileupload.php"},
        {c.URL_SEND_COMMENT, "/commentupload.php"},
        {c.LeftPaneSize, "270"},
        {c.InstallPath, inst},
        {c.PDFPATH, inst + "/pdf"},
        {c.XMLPATH, inst + "/xml"},
        {c.BFORM_XMLPATH, "/opt/q/bin/BFormxml"},
        {c.HTMLPATH, "/opt/q/bin/help"},
        {c.EFILEXML_TEMPLATE_PATH, "/opt/q/bin/bin"},
        {c.JAVACLASSPATH, inst + "/bin/itext13.jar:" + inst + "/bin/mr.jar"},
        {c.JAVAPROJPATH, ""},
        {c.JVMPATH, "/usr/lib/jvm/default-java/lib/server/libjvm.so"},
        {c.EOLSERVER, prod},
        {c.NETFILESERVER, prod},
        {c.T1013SERVER, prod},
        {c.TDDDataFile, ""},
        {c.RetPath, "/home/u/Documents/quorvandelle/2025/data"},
        {c.RetPdfPath, "/home/u/Documents/quorvandelle/2025/data"},
        {c.NoaPath, "/home/u/Documents/quorvandelle/2025/data/noa1"},
        {c.BKColor, "#d0f1ff"},
        {c.FontSize, "12"},
        {c.BusinessEFileNum, ""},
    };
    for (int i = 0; i < texts.size(); ++i)
        QVERIFY2(texts[i].first == texts[i].second,
                 qPrintable(QString("#%1: %2").arg(i).arg(texts[i].first)));
    QCOMPARE(
        (QList<bool>{c.PrintLogo, c.PrintHeader, c.PrintTailer, c.FullLog, c.Allow2nd, c.MODEDEBUG,
                     c.NoWarningMsg, c.EnableGenPrint, c.OverwriteStatus, c.FilingReport,
                     c.CustomizedClientLetter}),
        (QList<bool>{true, true, true, false, false, false, false, false, false, false, false}));
    QCOMPARE((QList<int>{c.LeftX, c.LeftY, c.Width, c.Height, c.PreAssessment, c.PostAssessment,
                         c.PrntClientLetter, c.SaveBackup, c.PdfPathSameAsRet, c.CompabEnable,
                         c.CustomizedClientLetter_Ver}),
             (QList<int>{0, 0, 0, 0, -1, -1, 0, 0, 0, 0, 0}));
}

void TestCT1AppConfig::layers_data()
{
    QTest::addColumn<QByteArray>("runFile");
    QTest::addColumn<QByteArray>("programFile");
    QTest::addColumn<QStringList>("expected"); // NETFILE, EOL, T1013, Varnexa, entry 8, codes
    const QString vProd = "https://api.varnexa.invalid";
    const QString vTest = "https://sandbox.varnexa.invalid";
    QTest::newRow("no files") << QByteArray() << QByteArray()
                              << QStringList{prod, prod, prod, vProd, prod, "095", "095"};
    QTest::newRow("program file after run file")
        << QByteArray("NETFILESERVER=run.invalid\nEOLSERVER=r.invalid\n")
        << QByteArray("NETFILESERVER=prog.invalid\n")
        << QStringList{"prog.invalid", "r.invalid", prod, vProd, prod, "095", "095"};
    QTest::newRow("file host kept in testing mode")
        << QByteArray("MODEDEBUG=1\nNETFILESERVER=mine.invalid\n") << QByteArray()
        << QStringList{"mine.invalid", cert, cert, vTest, cert, "095", "095"};
    QTest::newRow("testing mode only in program file")
        << QByteArray() << QByteArray("MODEDEBUG=true\n")
        << QStringList{cert, cert, cert, vTest, cert, "095", "095"};
    QTest::newRow("program file switches testing off")
        << QByteArray("MODEDEBUG=1\n") << QByteArray("MODEDEBUG=0\n")
        << QStringList{prod, prod, prod, vProd, prod, "095", "095"};
    QTest::newRow("codes from file")
        << QByteArray("EfileSoftwareCode=123\nVarnexaServer=https://127.0.0.1:9\n")
        << QByteArray("NetfileSoftwareCode=456\n")
        << QStringList{prod, prod, prod, "https://127.0.0.1:9", prod, "456", "123"};
}

void TestCT1AppConfig::layers()
{
    QFETCH(QByteArray, runFile);
    QFETCH(QByteArray, programFile);
    Layers l(runFile, programFile);
    const CT1AppConfig &c = l.config;
    QTEST((QStringList{c.NETFILESERVER, c.EOLSERVER, c.T1013SERVER, c.VarnexaServer,
                       c.downloadEndpoints[8], c.NetfileSoftwareCode, c.EfileSoftwareCode}),
          "expected");
}

void TestCT1AppConfig::endpoints_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("production defaults")
        << QByteArray()
        << QStringList{"",
                       "",
                       "",
                       "",
                       "",
                       "",
                       "",
                       "",
                       prod,
                       "/ebci/awsc/tdd/ws/",
                       "/TaxDataDeliveryService",
                       "/NoticeOfAssessmentService",
                       "signin.tax-authority.invalid",
                       "/gol-ged/awsc/tdd/auth/start",
                       "https://signin.tax-authority.invalid/gol-ged/awsc/tdd/auth/pub/js/cra.js"};
    QTest::newRow("testing defaults")
        << QByteArray("MODEDEBUG=1\nTDDEndpoint8=ignored.invalid\n")
        << QStringList{"",
                       "",
                       "",
                       "",
                       "",
                       "",
                       "",
                       "",
                       cert,
                       "/ebci/awsc/tdd/ws/",
                       "/CertTestDeliveryService",
                       "/CertTestNOAService",
                       cert,
                       "/ebci/awsc/tdd/certtest/auth/start",
                       "https://" + cert + "/ebci/awsc/tdd/certtest/pub/js/cra.js"};
    QTest::newRow("production keys")
        << QByteArray(
               "TDDEndpoint0=p0\nTDDEndpoint1=p1\nTDDEndpoint2=p2\nTDDEndpoint3=p3\n"
               "TDDEndpoint5=own5\nTDDEndpoint8=127.0.0.1:8443\nTDDEndpoint12=127.0.0.1:8444\n"
               "TDDEndpointTest0=t0\n")
        << QStringList{"p0",
                       "p1",
                       "p2",
                       "p3",
                       "p0",
                       "own5",
                       "p2",
                       "p3",
                       "127.0.0.1:8443",
                       "/ebci/awsc/tdd/ws/",
                       "/TaxDataDeliveryService",
                       "/NoticeOfAssessmentService",
                       "127.0.0.1:8444",
                       "/gol-ged/awsc/tdd/auth/start",
                       "https://127.0.0.1:8444/gol-ged/awsc/tdd/auth/pub/js/cra.js"};
    QTest::newRow("testing keys")
        << QByteArray("MODEDEBUG=1\nTDDEndpoint0=p0\nTDDEndpointTest0=t0\nTDDEndpointTest10=/svc\n"
                      "TDDEndpointTest12=localhost:1\nTDDEndpointTest14=https://x/cra.js\n")
        << QStringList{"t0",
                       "",
                       "",
                       "",
                       "t0",
                       "",
                       "",
                       "",
                       cert,
                       "/ebci/awsc/tdd/ws/",
                       "/svc",
                       "/CertTestNOAService",
                       "localhost:1",
                       "/ebci/awsc/tdd/certtest/auth/start",
                       "https://x/cra.js"};
}

void TestCT1AppConfig::endpoints()
{
    QFETCH(QByteArray, file);
    Layers l(file);
    l.config.downloadEndpoints[3] = "stale";
    l.config.setDefaultServers(); // the table is replaced whole each time
    QStringList got;
    for (const CString &e : l.config.downloadEndpoints)
        got.append(e);
    QTEST(got, "expected");
}

void TestCT1AppConfig::softwareCode_data()
{
    QTest::addColumn<int>("readerState");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("compab");
    QTest::addColumn<QStringList>("expected"); // Netfile, Efile, getSoftwareCode
    QTest::newRow("defaults") << 0 << QByteArray() << 0 << QStringList{"095", "095", "095"};
    QTest::newRow("trial on") << 0 << QByteArray("EfileSoftwareCode=123\n") << 1
                              << QStringList{"095", "123", "097"};
    QTest::newRow("trial value 2") << 0 << QByteArray() << 2 << QStringList{"095", "095", "097"};
    QTest::newRow("reader state 1") << 1 << QByteArray() << 0 << QStringList{"097", "097", "097"};
    QTest::newRow("reader state 2 keeps file")
        << 2 << QByteArray("NetfileSoftwareCode=111\n") << 0 << QStringList{"111", "097", "097"};
    QTest::newRow("reader state 3") << 3 << QByteArray() << 0 << QStringList{"095", "095", "095"};
}

void TestCT1AppConfig::softwareCode()
{
    QFETCH(int, readerState);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    QFile f(dir.filePath("gr_path.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();
    StateConfig c;
    c.readConfigFile(f.fileName().toUtf8());
    c.setReaderState(readerState);
    c.setDefaultServers();
    QFETCH(int, compab);
    c.CompabEnable = compab;
    QTEST((QStringList{c.NetfileSoftwareCode, c.EfileSoftwareCode, c.getSoftwareCode()}),
          "expected");
}

void TestCT1AppConfig::testingModeLogsPaths()
{
    const QString inst = installPath();
    QTest::ignoreMessage(
        QtInfoMsg, qPrintable("jclass path " + inst + "/bin/itext13.jar:" + inst + "/bin/mr.jar"));
    QTest::ignoreMessage(QtInfoMsg, qPrintable("jpdf path " + inst + "/pdf"));
    QTest::ignoreMessage(QtInfoMsg, qPrintable("jxml path " + inst + "/xml"));
    Layers l("MODEDEBUG=1\n"); // the second, missing file logs nothing
    QVERIFY(l.config.MODEDEBUG);
}

void TestCT1AppConfig::everyKeyFromFile()
{
    const QStringList texts{"NetfileSoftwareCode=n1",
                            "NetfileSoftwareDate=n2",
                            "EfileSoftwareCode=e1",
                            "EfileSoftwareDate=e2",
                            "VarnexaServer=https://v.example",
                            "QuorvandelleWebServer=q.example",
                            "InfoServer=i.example",
                            "StatisticsWebServer=s.example",
                            "GovernmentWebServer=g.example",
                            "URL_SEND_RETURN_FILE=/u1",
                            "URL_SEND_COMMENT=/u2",
                            "LeftPaneSize=333",
                            "PDFPATH=/pdf",
                            "XMLPATH=/xml",
                            "BFORM_XMLPATH=/bform",
                            "HTMLPATH=/html",
                            "EFILEXML_TEMPLATE_PATH=/tpl",
                            "JAVACLASSPATH=/a.jar",
                            "JAVAPROJPATH=/proj",
                            "JVMPATH=/jvm.so",
                            "EOLSERVER=eol.example",
                            "NETFILESERVER=net.example",
                            "T1013SERVER=t1013.example",
                            "TDDDataFile=/tdd.xml"};
    // Every flag set to the opposite of its default.
    const QStringList flags{"PrintLogo=0",    "PrintHeader=0",    "PrintTailer=0",
                            "FullLog=1",      "Allow2nd=1",       "MODEDEBUG=1",
                            "NoWarningMsg=1", "EnableGenPrint=1", "OverwriteStatus=1"};
    Layers l((texts + flags).join('\n').toUtf8());
    const CT1AppConfig &c = l.config;
    const QStringList gotTexts{c.NetfileSoftwareCode,
                               c.NetfileSoftwareDate,
                               c.EfileSoftwareCode,
                               c.EfileSoftwareDate,
                               c.VarnexaServer,
                               c.QuorvandelleWebServer,
                               c.InfoServer,
                               c.StatisticsWebServer,
                               c.GovernmentWebServer,
                               c.URL_SEND_RETURN_FILE,
                               c.URL_SEND_COMMENT,
                               c.LeftPaneSize,
                               c.PDFPATH,
                               c.XMLPATH,
                               c.BFORM_XMLPATH,
                               c.HTMLPATH,
                               c.EFILEXML_TEMPLATE_PATH,
                               c.JAVACLASSPATH,
                               c.JAVAPROJPATH,
                               c.JVMPATH,
                               c.EOLSERVER,
                               c.NETFILESERVER,
                               c.T1013SERVER,
                               c.TDDDataFile};
    QStringList expectedTexts;
    for (const QString &t : texts)
        expectedTexts.append(t.mid(t.indexOf('=') + 1));
    QCOMPARE(gotTexts, expectedTexts);
    QCOMPARE((QList<bool>{c.PrintLogo, c.PrintHeader, c.PrintTailer, c.FullLog, c.Allow2nd,
                          c.MODEDEBUG, c.NoWarningMsg, c.EnableGenPrint, c.OverwriteStatus}),
             (QList<bool>{false, false, false, true, true, true, true, true, true}));
}

void TestCT1AppConfig::restoreDefaults()
{
    // Every member away from its default: every key from a file, the derived folders, the
    // endpoints, and the settings by hand.
    QStringList keys{"NetfileSoftwareCode=n1",
                     "NetfileSoftwareDate=n2",
                     "EfileSoftwareCode=e1",
                     "EfileSoftwareDate=e2",
                     "VarnexaServer=v",
                     "QuorvandelleWebServer=q",
                     "InfoServer=i",
                     "URL_SEND_RETURN_FILE=/u1",
                     "URL_SEND_COMMENT=/u2",
                     "LeftPaneSize=333",
                     "PDFPATH=/pdf",
                     "XMLPATH=/xml",
                     "BFORM_XMLPATH=/b",
                     "HTMLPATH=/h",
                     "EFILEXML_TEMPLATE_PATH=/t",
                     "JAVACLASSPATH=/a.jar",
                     "JAVAPROJPATH=/p",
                     "JVMPATH=/j",
                     "EOLSERVER=e",
                     "NETFILESERVER=n",
                     "T1013SERVER=t",
                     "TDDDataFile=/d",
                     "PrintLogo=0",
                     "PrintHeader=0",
                     "PrintTailer=0",
                     "FullLog=1",
                     "Allow2nd=1",
                     "MODEDEBUG=1",
                     "NoWarningMsg=1",
                     "EnableGenPrint=1",
                     "OverwriteStatus=1"};
    for (int i = 0; i < CT1AppConfig::EndpointCount; ++i)
        keys << QString("TDDEndpoint%1=p%1").arg(i) << QString("TDDEndpointTest%1=t%1").arg(i);
    Layers l(keys.join('\n').toUtf8());
    CT1AppConfig &c = l.config;
    c.BKColor = c.FontSize = c.InstallPath = c.BusinessName = c.BusinessAddr = c.BusinessCity =
        c.BusinessProv = c.BusinessPostcode = c.BusinessPhone = c.BusinessEFileNum =
            c.BusinessEFilePassword = c.DiscounterCode = c.RetPath = c.RetPdfPath = c.NoaPath =
                c.CompabWord = c.ShowRelMsg = c.VarnexaEmail = c.VarnexaPswd = c.VXFromEmail = "x";
    c.LeftX = c.LeftY = c.Width = c.Height = c.PreAssessment = c.PostAssessment =
        c.PrntClientLetter = c.SaveBackup = c.PdfPathSameAsRet = c.CompabEnable =
            c.CustomizedClientLetter_Ver = 5;
    c.FilingReport = c.CustomizedClientLetter = true;
    c.readConfigFile(l.dir.filePath("none.ini").toUtf8()); // the reader's state: -1

    const CT1AppConfig fresh;
    const QStringList defaults = everyMember(fresh);
    const QStringList changed = everyMember(c);
    for (int i = 0; i < defaults.size(); ++i)
        QVERIFY2(changed[i] != defaults[i], qPrintable(changed[i]));

    c.restoreDefaults();
    QCOMPARE(everyMember(c), defaults);
    // The key tables still reach the members.
    c.readConfigFile(l.write("again.ini", "NETFILESERVER=again\nMODEDEBUG=1\n"));
    QCOMPARE(QString(c.NETFILESERVER), QString("again"));
    QVERIFY(c.MODEDEBUG);
}

QTEST_GUILESS_MAIN(TestCT1AppConfig)
#include "tst_CT1AppConfig.moc"
