// Settings store: tb_config rows, reading and writing the settings, the window placement rule.
#include <QtTest>

#include <QSqlQuery>

#include "TestMain.h"
#include "app/TabWndApp.h"
#include "app/WindowGeometry.h"

Q_DECLARE_METATYPE(WindowSettings)

namespace {

QStringList configRows()
{
    QSqlQuery q("select name, value from tb_config order by id");
    QStringList rows;
    while (q.next())
        rows.append(q.value(0).toString() + "=" + q.value(1).toString());
    return rows;
}

// Every setting of the settings table as "key=member", in the table's order.
QStringList settingMembers()
{
    const TabWndApp *app = appInstance();
    const CT1AppConfig &c = app->config;
    auto n = [](int v) { return QString::number(v); };
    auto b = [](bool v) { return QString(v ? "true" : "false"); };
    return {"LeftPaneSize=" + c.LeftPaneSize,
            "BKColor=" + c.BKColor,
            "FontSize=" + c.FontSize,
            "LeftX=" + n(c.LeftX),
            "LeftY=" + n(c.LeftY),
            "Width=" + n(c.Width),
            "Height=" + n(c.Height),
            "RetPath=" + c.RetPath,
            "RetPdfPath=" + c.RetPdfPath,
            "PdfPathSameAsRet=" + n(c.PdfPathSameAsRet),
            "CompabEnable=" + n(c.CompabEnable),
            "CompabWord=" + c.CompabWord,
            "LastOpenPath=" + app->LastOpenPath,
            "LastImportPath=" + app->LastImportPath,
            "BusinessName=" + c.BusinessName,
            "BusinessAddr=" + c.BusinessAddr,
            "BusinessCity=" + c.BusinessCity,
            "BusinessProv=" + c.BusinessProv,
            "BusinessPostcode=" + c.BusinessPostcode,
            "BusinessPhone=" + c.BusinessPhone,
            "BusinessEFileNum=" + c.BusinessEFileNum,
            "BusinessEFilePassword=" + c.BusinessEFilePassword,
            "DiscounterCode=" + c.DiscounterCode,
            "PreAssessment=" + n(c.PreAssessment),
            "PostAssessment=" + n(c.PostAssessment),
            "PrntClientLetter=" + n(c.PrntClientLetter),
            "SaveBackup=" + n(c.SaveBackup),
            "ShowRelMsg=" + c.ShowRelMsg,
            "FilingReport=" + b(c.FilingReport),
            "CustomizedClientLetter=" + b(c.CustomizedClientLetter),
            "CustomizedClientLetter_Ver=" + n(c.CustomizedClientLetter_Ver),
            "VarnexaEmail=" + c.VarnexaEmail,
            "VarnexaPswd=" + c.VarnexaPswd,
            "VXFromEmail=" + c.VXFromEmail};
}

void insertRow(const QString &name, const QString &value)
{
    QSqlQuery q;
    q.prepare("insert into tb_config (name, value) values (?, ?)");
    q.addBindValue(name);
    q.addBindValue(value);
    QVERIFY(q.exec());
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rows();
    void numbersAndFlags_data();
    void numbersAndFlags();
    void readSettings_data();
    void readSettings();
    void testingModeKeys();
    void everySettingRead();
    void writeSettingsRows();
    void placement_data();
    void placement();

private:
    QTemporaryDir *m_dir = nullptr;
};

void TestSettings::init()
{
    m_dir = new QTemporaryDir;
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), 0);
    CT1AppConfig &c = appInstance()->config;
    c.setDefaultPaths("/p", "/d");
    c.LeftPaneSize = "270";
    c.BKColor = "#d0f1ff";
    c.FontSize = "12";
    c.BusinessEFileNum = c.BusinessEFilePassword = "";
    c.MODEDEBUG = false;
}

void TestSettings::cleanup()
{
    appInstance()->dbManager.close();
    delete m_dir;
}

void TestSettings::rows()
{
    using DB = CSqliteDBManager;
    CString value = "untouched";
    QCOMPARE(DB::getConfig("Missing", value), 0);
    QCOMPARE(QString(value), QString("untouched"));

    DB::setConfig("Name", "  padded  ");
    QCOMPARE(DB::getConfig("Name", value), 1);
    QCOMPARE(QString(value), QString("padded"));

    // Duplicates: the newest row counts and is the one changed.
    QVERIFY(QSqlQuery().exec("insert into tb_config (name, value) values ('Name', ' newer ')"));
    QCOMPARE(DB::getConfig("Name", value), 2);
    QCOMPARE(QString(value), QString("newer"));
    DB::setConfig("Name", "changed");
    QCOMPARE(configRows(), (QStringList{"Name=padded", "Name=changed"}));

    DB::setConfig("Folder", "/a//b/", 1);
    QCOMPARE(DB::getConfig("Folder", value, 1), 3);
    QCOMPARE(QString(value), QDir::toNativeSeparators("/a//b/"));
}

void TestSettings::numbersAndFlags_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("flag");
    QTest::newRow("zero") << "0" << 0 << false;
    QTest::newRow("one") << "1" << 1 << true;
    QTest::newRow("negative") << "-1" << -1 << true;
    QTest::newRow("fraction truncates") << "2.9" << 2 << true;
    QTest::newRow("negative fraction") << "-2.9" << -2 << true;
    QTest::newRow("blank") << "" << 0 << false;
    QTest::newRow("text") << "yes" << 0 << false;
    QTest::newRow("beyond int held at the limit") << "99999999999" << 2147483647 << true;
    QTest::newRow("below int held at the limit") << "-99999999999" << int(-2147483647 - 1) << true;
    QTest::newRow("far beyond any number") << QString(400, '9') << 2147483647 << true;
}

void TestSettings::numbersAndFlags()
{
    QFETCH(QString, stored);
    CSqliteDBManager::setConfig("Key", stored);
    int number = 99;
    bool flag = true;
    QCOMPARE(CSqliteDBManager::getConfigInt("Key", number), 1);
    QCOMPARE(CSqliteDBManager::getConfigBool("Key", flag), 1);
    QTEST(number, "number");
    QTEST(flag, "flag");
    CSqliteDBManager::setConfigInt("Int", -42);
    CSqliteDBManager::setConfigBool("Bool", true);
    CSqliteDBManager::setConfigBool("Bool", false);
    QCOMPARE(configRows().mid(1), (QStringList{"Int=-42", "Bool=0"}));
}

void TestSettings::readSettings_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected"); // LeftPaneSize, BKColor, FontSize, RetPath, EFILE no
    QTest::newRow("no rows") << QStringList() << QStringList{"270", "#d0f1ff", "12", "/d/data", ""};
    QTest::newRow("stored") << QStringList{"LeftPaneSize=300", "BKColor=#ffffff", "FontSize=14",
                                           "RetPath=/r", "BusinessEFileNum= E123 "}
                            << QStringList{"300", "#ffffff", "14", "/r", "E123"};
    QTest::newRow("short colour ignored")
        << QStringList{"BKColor=#fff"} << QStringList{"270", "#d0f1ff", "12", "/d/data", ""};
}

void TestSettings::readSettings()
{
    QFETCH(QStringList, rows);
    for (const QString &row : rows) {
        const int eq = row.indexOf('=');
        CSqliteDBManager::setConfig(row.left(eq).toUtf8().constData(), row.mid(eq + 1));
    }
    TabWndApp *app = appInstance();
    QCOMPARE(app->readSettings(), 0);
    const CT1AppConfig &c = app->config;
    QTEST((QStringList{c.LeftPaneSize, c.BKColor, c.FontSize, c.RetPath, c.BusinessEFileNum}),
          "expected");
}

void TestSettings::testingModeKeys()
{
    TabWndApp *app = appInstance();
    CT1AppConfig &c = app->config;
    CSqliteDBManager::setConfig("BusinessEFileNum", "normal");
    CSqliteDBManager::setConfig("BusinessEFileNumDbg", "debug");
    CSqliteDBManager::setConfig("BusinessEFilePasswordDbg", "pw");
    c.MODEDEBUG = true;
    app->readSettings();
    QCOMPARE(QString(c.BusinessEFileNum), QString("debug"));
    QCOMPARE(QString(c.BusinessEFilePassword), QString("pw"));

    c.BusinessEFileNum = " changed ";
    c.BusinessEFilePassword = "";
    c.PreAssessment = 1;
    c.FilingReport = true;
    app->writeSettings();
    QStringList rows = configRows();
    QVERIFY(rows.contains("BusinessEFileNum=normal"));
    QVERIFY(rows.contains("BusinessEFileNumDbg=changed"));
    QVERIFY(rows.contains("BusinessEFilePasswordDbg="));
    QVERIFY(!rows.contains("BusinessEFilePassword="));
    QVERIFY(rows.contains("PreAssessment=1"));
    QVERIFY(rows.contains("FilingReport=1"));
    // Window keys and last folders are stored only at exit.
    QVERIFY(!rows.join(',').contains("LeftX"));
    QVERIFY(!rows.join(',').contains("LastOpenPath"));

    c.MODEDEBUG = false;
    app->LastOpenPath = "/open";
    c.LeftX = 5;
    c.BKColor = "#000000";
    app->saveSettingsOnExit();
    QVERIFY(!app->dbManager.isOpened());
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), 0);
    rows = configRows();
    QVERIFY(rows.contains("LastOpenPath=/open"));
    QVERIFY(rows.contains("LeftX=5"));
    QVERIFY(rows.contains("BKColor=#000000"));
}

void TestSettings::everySettingRead()
{
    TabWndApp *app = appInstance();
    app->screenRect = QRect(0, 0, 1920, 1080);
    const QStringList stored{"LeftPaneSize=301",
                             "BKColor=#123456",
                             "FontSize=15",
                             "LeftX=100",
                             "LeftY=50",
                             "Width=800",
                             "Height=600",
                             "RetPath=/ret",
                             "RetPdfPath=/pdf",
                             "PdfPathSameAsRet=5",
                             "CompabEnable=1",
                             "CompabWord=trial",
                             "LastOpenPath=/open",
                             "LastImportPath=/import",
                             "BusinessName=Tax Co",
                             "BusinessAddr=1 Main St",
                             "BusinessCity=Ottawa",
                             "BusinessProv=ON",
                             "BusinessPostcode=K1A 0B1",
                             "BusinessPhone=(613)555-0100",
                             "BusinessEFileNum= E1234 ",
                             "BusinessEFilePassword= secret ",
                             "DiscounterCode=D9",
                             "PreAssessment=0",
                             "PostAssessment=1",
                             "PrntClientLetter=1",
                             "SaveBackup=1",
                             "ShowRelMsg=seen",
                             "FilingReport=1",
                             "CustomizedClientLetter=2",
                             "CustomizedClientLetter_Ver=7",
                             "VarnexaEmail=ann@example.invalid",
                             "VarnexaPswd=pw",
                             "VXFromEmail=from@example.invalid",
                             "BusinessEFileNumDbg=dbg",
                             "BusinessEFilePasswordDbg=dbgpw"};
    for (const QString &row : stored) {
        const int eq = row.indexOf('=');
        insertRow(row.left(eq), row.mid(eq + 1));
    }
    QCOMPARE(app->readSettings(), 0);
    QStringList expected = stored.mid(0, stored.size() - 2);
    expected.replace(expected.indexOf("BusinessEFileNum= E1234 "), "BusinessEFileNum=E1234");
    expected.replace(expected.indexOf("BusinessEFilePassword= secret "),
                     "BusinessEFilePassword=secret");
    expected.replace(expected.indexOf("FilingReport=1"), "FilingReport=true");
    expected.replace(expected.indexOf("CustomizedClientLetter=2"), "CustomizedClientLetter=true");
    QCOMPARE(settingMembers(), expected);
}

void TestSettings::writeSettingsRows()
{
    TabWndApp *app = appInstance();
    CT1AppConfig &c = app->config;
    c.LeftPaneSize = "280";
    c.RetPath = "/ret";
    c.RetPdfPath = "/pdf";
    c.PdfPathSameAsRet = 1;
    c.CompabEnable = 0;
    c.CompabWord = "word";
    c.BusinessName = "Tax Co";
    c.BusinessAddr = "1 Main St";
    c.BusinessCity = "Ottawa";
    c.BusinessProv = "ON";
    c.BusinessPostcode = "K1A 0B1";
    c.BusinessPhone = "(613)555-0100";
    c.BusinessEFileNum = " E1234 ";
    c.BusinessEFilePassword = "secret ";
    c.DiscounterCode = "D9";
    c.PreAssessment = 0;
    c.PostAssessment = -1;
    c.PrntClientLetter = 1;
    c.SaveBackup = 0;
    c.ShowRelMsg = "seen";
    c.FilingReport = true;
    c.CustomizedClientLetter = false;
    c.CustomizedClientLetter_Ver = 9;
    c.VarnexaEmail = "ann@example.invalid";
    c.VarnexaPswd = "pw";
    c.VXFromEmail = "from@example.invalid";
    c.LeftX = 7;
    app->LastOpenPath = "/open";
    QCOMPARE(app->writeSettings(), 0);
    QCOMPARE(QString(c.BusinessEFileNum), QString("E1234"));
    QCOMPARE(QString(c.BusinessEFilePassword), QString("secret"));
    // The preference rows in their order; neither the window keys, the last folders nor the
    // client-letter version.
    QCOMPARE(configRows(), (QStringList{"LeftPaneSize=280",
                                        "RetPath=/ret",
                                        "RetPdfPath=/pdf",
                                        "PdfPathSameAsRet=1",
                                        "CompabEnable=0",
                                        "CompabWord=word",
                                        "BusinessName=Tax Co",
                                        "BusinessAddr=1 Main St",
                                        "BusinessCity=Ottawa",
                                        "BusinessProv=ON",
                                        "BusinessPostcode=K1A 0B1",
                                        "BusinessPhone=(613)555-0100",
                                        "BusinessEFileNum=E1234",
                                        "BusinessEFilePassword=secret",
                                        "DiscounterCode=D9",
                                        "PreAssessment=0",
                                        "PostAssessment=-1",
                                        "PrntClientLetter=1",
                                        "SaveBackup=0",
                                        "ShowRelMsg=seen",
                                        "FilingReport=1",
                                        "CustomizedClientLetter=0",
                                        "VarnexaEmail=ann@example.invalid",
                                        "VarnexaPswd=pw",
                                        "VXFromEmail=from@example.invalid"}));
    // A second apply changes the rows in place.
    c.BusinessName = "Other Co";
    app->writeSettings();
    const QStringList rows = configRows();
    QCOMPARE(rows.size(), 25);
    QCOMPARE(rows[6], QString("BusinessName=Other Co"));
}

void TestSettings::placement_data()
{
    QTest::addColumn<WindowSettings>("stored");
    QTest::addColumn<QRect>("primary");
    QTest::addColumn<QRect>("screens");
    QTest::addColumn<WindowSettings>("placed");
    const QRect one(0, 0, 1920, 1080);
    const QRect two(0, 0, 3840, 1080);
    QTest::newRow("first start") << WindowSettings{0, 0, 0, 0} << one << one
                                 << WindowSettings{20, 60, 1920, 1080};
    QTest::newRow("stored kept") << WindowSettings{100, 50, 800, 600} << one << one
                                 << WindowSettings{100, 50, 800, 600};
    QTest::newRow("width 0") << WindowSettings{100, 50, 0, 600} << one << one
                             << WindowSettings{20, 60, 1720, 980};
    QTest::newRow("height 0") << WindowSettings{10, 10, 800, 0} << one << one
                              << WindowSettings{20, 60, 1900, 1060};
    QTest::newRow("outside every screen")
        << WindowSettings{2000, 50, 800, 600} << one << one << WindowSettings{20, 60, 800, 600};
    QTest::newRow("on second screen")
        << WindowSettings{2000, 50, 800, 600} << one << two << WindowSettings{2000, 50, 800, 600};
    QTest::newRow("right bottom edge inside") << WindowSettings{1919, 1079, 800, 600} << one << one
                                              << WindowSettings{1919, 1079, 800, 600};
    QTest::newRow("past the edge")
        << WindowSettings{1920, 100, 800, 600} << one << one << WindowSettings{20, 60, 800, 600};
    QTest::newRow("top left edge inside")
        << WindowSettings{0, 0, 800, 600} << one << one << WindowSettings{0, 0, 800, 600};
    QTest::newRow("negative left of union")
        << WindowSettings{-1280, 0, 800, 600} << one << QRect(-1280, 0, 3200, 1080)
        << WindowSettings{-1280, 0, 800, 600};
    QTest::newRow("no screens") << WindowSettings{10, 10, 800, 600} << QRect() << QRect()
                                << WindowSettings{20, 60, 800, 600};
}

void TestSettings::placement()
{
    QFETCH(WindowSettings, stored);
    QFETCH(QRect, primary);
    QFETCH(QRect, screens);
    QFETCH(WindowSettings, placed);
    const WindowSettings got = placeMainWindow(stored, primary, screens);
    QVERIFY2(
        got == placed,
        qPrintable(
            QString("%1,%2 %3x%4").arg(got.leftX).arg(got.leftY).arg(got.width).arg(got.height)));
}

QV_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
