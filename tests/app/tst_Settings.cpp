// Settings store: tb_config rows, reading and writing the settings, the window placement rule.
#include <QtTest>

#include <QScreen>
#include <QSqlQuery>

#include "TestMain.h"
#include "app/TabWndApp.h"
#include "app/WindowGeometry.h"

Q_DECLARE_METATYPE(WindowSettings)

// How QCOMPARE shows a window that differs (found by argument-dependent lookup).
char *toString(const WindowSettings &w)
{
    return QTest::toString(
        QString("%1,%2 %3x%4").arg(w.leftX).arg(w.leftY).arg(w.width).arg(w.height));
}

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
    void emptyTextsStoredAsText_data();
    void emptyTextsStoredAsText();
    void placement_data();
    void placement();
    void fitting_data();
    void fitting();
    void windowReadIntoScreen_data();
    void windowReadIntoScreen();

private:
    QTemporaryDir *m_dir = nullptr;
};

void TestSettings::init()
{
    m_dir = new QTemporaryDir;
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), OpenDatabaseResult::Open);
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
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), OpenDatabaseResult::Open);
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
                             "LeftX=10",
                             "LeftY=20",
                             "Width=300",
                             "Height=200",
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

void TestSettings::emptyTextsStoredAsText_data()
{
    QTest::addColumn<bool>("existingRow");
    QTest::addColumn<int>("native");
    QTest::newRow("new row") << false << 0;
    QTest::newRow("new row, native") << false << 1;
    QTest::newRow("changed row") << true << 0;
    QTest::newRow("changed row, native") << true << 1;
}

void TestSettings::emptyTextsStoredAsText()
{
    QFETCH(bool, existingRow);
    QFETCH(int, native);
    if (existingRow)
        CSqliteDBManager::setConfig("Empty", "before");
    for (const CString &empty : {CString(), CString(""), CString("   ")}) {
        CSqliteDBManager::setConfig("Empty", empty, native);
        QSqlQuery q("select typeof(value), value from tb_config where name='Empty'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("text"));
        QVERIFY(!q.next());
    }
    CString value = "untouched";
    QCOMPARE(CSqliteDBManager::getConfig("Empty", value), 1);
    QCOMPARE(QString(value), QString(""));
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
    // Sizes beyond an int are held at its limits rather than wrapping.
    QTest::newRow("largest left, width 0") << WindowSettings{2147483647, 0, 0, 0} << one << one
                                           << WindowSettings{20, 60, int(-2147483647 - 1), 1080};
    QTest::newRow("smallest position, height 0")
        << WindowSettings{int(-2147483647 - 1), int(-2147483647 - 1), 800, 0} << one << one
        << WindowSettings{20, 60, 2147483647, 2147483647};
    QTest::newRow("largest size kept") << WindowSettings{0, 0, 2147483647, 2147483647} << one << one
                                       << WindowSettings{0, 0, 2147483647, 2147483647};
}

void TestSettings::placement()
{
    QFETCH(WindowSettings, stored);
    QFETCH(QRect, primary);
    QFETCH(QRect, screens);
    QFETCH(WindowSettings, placed);
    QCOMPARE(placeMainWindow(stored, primary, screens), placed);
}

void TestSettings::fitting_data()
{
    QTest::addColumn<WindowSettings>("window");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<WindowSettings>("fitted");
    const QRect screen(0, 0, 1280, 800);
    const QRect panel(0, 30, 1280, 770);
    const QRect right(1280, 0, 1920, 1080);
    QTest::newRow("first start, whole screen at (20, 60)")
        << WindowSettings{20, 60, 1280, 800} << screen << WindowSettings{0, 0, 1280, 800};
    QTest::newRow("inside stays") << WindowSettings{100, 50, 800, 600} << screen
                                  << WindowSettings{100, 50, 800, 600};
    QTest::newRow("filling the area stays")
        << WindowSettings{0, 0, 1280, 800} << screen << WindowSettings{0, 0, 1280, 800};
    QTest::newRow("off right and bottom moves back")
        << WindowSettings{1000, 700, 800, 600} << screen << WindowSettings{480, 200, 800, 600};
    QTest::newRow("off left and top moves in")
        << WindowSettings{-50, -10, 800, 600} << screen << WindowSettings{0, 0, 800, 600};
    QTest::newRow("below a top panel")
        << WindowSettings{20, 60, 1280, 800} << panel << WindowSettings{0, 30, 1280, 770};
    QTest::newRow("taller only is shrunk in height")
        << WindowSettings{100, 0, 800, 900} << screen << WindowSettings{100, 0, 800, 800};
    QTest::newRow("second screen")
        << WindowSettings{3000, 500, 800, 700} << right << WindowSettings{2400, 380, 800, 700};
    QTest::newRow("largest size") << WindowSettings{2147483647, 2147483647, 2147483647, 2147483647}
                                  << screen << WindowSettings{0, 0, 1280, 800};
    QTest::newRow("negative size takes the area")
        << WindowSettings{20, 60, int(-2147483647 - 1), -5} << screen
        << WindowSettings{0, 0, 1280, 800};
    QTest::newRow("no area") << WindowSettings{20, 60, 5000, 5000} << QRect()
                             << WindowSettings{20, 60, 5000, 5000};
}

void TestSettings::fitting()
{
    QFETCH(WindowSettings, window);
    QFETCH(QRect, area);
    QFETCH(WindowSettings, fitted);
    QCOMPARE(fitIntoArea(window, area), fitted);
}

void TestSettings::windowReadIntoScreen_data()
{
    // Rows may name the available area's right and bottom edges as R and B; the window is
    // given in the area's coordinates, an empty one standing for the whole area.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("window"); // "x y width height", or "area"
    QTest::newRow("first start") << QStringList() << "area";
    QTest::newRow("largest left with width 0")
        << QStringList{"LeftX=2147483647", "LeftY=0", "Width=0", "Height=300"} << "area";
    QTest::newRow("hanging off the far corner")
        << QStringList{"LeftX=R-10", "LeftY=B-10", "Width=300", "Height=200"}
        << "R-299 B-199 300 200";
    QTest::newRow("inside") << QStringList{"LeftX=10", "LeftY=20", "Width=300", "Height=200"}
                            << "10 20 300 200";
}

void TestSettings::windowReadIntoScreen()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // "R-10" is ten pixels left of the area's right edge, and so on.
    auto value = [&area](const QString &text) {
        if (text.startsWith('R'))
            return area.right() + text.mid(1).toInt();
        if (text.startsWith('B'))
            return area.bottom() + text.mid(1).toInt();
        return text.toInt();
    };
    for (const QString &row : rows) {
        const int eq = row.indexOf('=');
        CSqliteDBManager::setConfig(row.left(eq).toUtf8().constData(),
                                    QString::number(value(row.mid(eq + 1))));
    }
    TabWndApp *app = appInstance();
    app->screenRect = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(app->readSettings(), 0);
    QRect expected = area;
    if (window != "area") {
        const QStringList v = window.split(' ');
        expected = QRect(value(v[0]), value(v[1]), value(v[2]), value(v[3]));
    }
    QCOMPARE(app->mainWindowRect(), expected);
}

QV_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
