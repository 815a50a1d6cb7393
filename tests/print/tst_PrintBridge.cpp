// The JNI bridge on small test engines: locating the library, the class and method checks, the
// call sequence and the results. CTest runs each case in a process of its own, since a process
// can create only one Java virtual machine.
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "print/CJavaPrintEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
// Reaches the engine whole: accents, a character beyond 16 bits. Only the test engine's log
// holds it (Java names files in the locale's encoding, which may be ASCII).
const QString kXmlFolder = QString::fromUtf8("xml \u00e9\U0001F4C4");

QString binFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + "/" + name;
}

QString testEngine(const char *variant)
{
    return binFile(QStringLiteral("testengine_%1.jar").arg(variant));
}

QString folder(const QString &name)
{
    QString path = testEnvironment().root() + "/" + name;
    QDir().mkpath(path);
    return path;
}

// A return file for the test engine: its first line tells the engine what to do.
QString controlFile(const QString &control)
{
    QString path = testEnvironment().root() + "/" + control + ".r25";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(control.toUtf8() + "\n") < 0)
        return QString();
    return path;
}

QStringList calls(const QString &outputFolder)
{
    QFile file(outputFolder + "/calls.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    lines.removeAll(QString());
    file.remove();
    return lines;
}

// The calls every job makes before its optional steps.
QStringList opening(const QString &outputFolder, int flags)
{
    return {"<init>",
            "do(S) " + folder("pdf"),
            "if(S) " + folder(kXmlFolder),
            "a(S) " + outputFolder,
            "if(I) " + QString::number(flags),
            "do()",
            "int()"};
}
} // namespace

class TestPrintBridge : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void locate();
    void noPrintClass();
    void missingPdfPathMethod();
    void missingIntStep();
    void missingForStep();
    void leanEngine();
    void callSequence();

private:
    // Loads the engine of the variant, or skips when this process already made a machine.
    int loadEngine(const char *variant);
    CJavaPrintEngine &engine() { return CJavaPrintEngine::instance(); }
};

void TestPrintBridge::init()
{
    CT1AppConfig &c = appInstance()->config;
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    c.PDFPATH = folder("pdf");
    c.XMLPATH = folder(kXmlFolder);
    c.RetPdfPath = folder("ret");
    c.PrintHeader = true;
}

int TestPrintBridge::loadEngine(const char *variant)
{
    appInstance()->config.JAVACLASSPATH = testEngine(variant);
    return engine().load();
}

void TestPrintBridge::locate()
{
    CT1AppConfig &c = appInstance()->config;
    c.JAVACLASSPATH = testEngine("full");
    // Neither a "jre" folder beside the program nor a usable JVMPATH.
    for (const QString &path : {QString(), QString("/nonexistent/libjvm.so"), folder("jvmdir")}) {
        c.JVMPATH = path;
        CString found("unchanged");
        QCOMPARE(locateJvmLibrary(found), -21);
        QCOMPARE(found, CString("unchanged"));
        QCOMPARE(engine().load(), -21);
        QVERIFY(!engine().isLoaded());
    }
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    CString found;
    QCOMPARE(locateJvmLibrary(found), 0);
    QCOMPARE(found, CString(CT1AppConfig::defaultJvmLibrary));

    // A library that is no JVM.
    c.JVMPATH = binFile("libqv_forms.so");
    QCOMPARE(engine().load(), -3);

    // The option text "-Djava.class.path=" + the UTF-8 class path must fit 2,048 bytes with its
    // terminator: 2,030 bytes of path is one too many, counted in bytes, not characters.
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    c.JAVACLASSPATH = QString(1015, QChar(0xE9));
    QCOMPARE(engine().load(), -22);
    c.JAVACLASSPATH = QString(2030, 'x');
    QCOMPARE(engine().load(), -22);
    QVERIFY(!engine().isLoaded());
}

void TestPrintBridge::noPrintClass()
{
    QCOMPARE(loadEngine("noclass"), -101);
    QVERIFY(!engine().isLoaded());
    // The machine made by the first attempt serves the next one: no second machine is tried.
    QCOMPARE(engine().load(), -101);
    CString name;
    QCOMPARE(engine().runPrintJob(controlFile("read=0"), false, 0, 0, 0, 0, folder("out"), name),
             -101);
}

void TestPrintBridge::missingPdfPathMethod()
{
    QCOMPARE(loadEngine("no_do_string"), -103);
}

void TestPrintBridge::missingIntStep()
{
    QCOMPARE(loadEngine("no_int"), 0);
    CString name;
    QCOMPARE(engine().runPrintJob(controlFile("read=0"), false, 0, 0, 0, 0, folder("out"), name),
             -120);
}

void TestPrintBridge::missingForStep()
{
    QCOMPARE(loadEngine("no_for"), 0);
    CString name;
    QCOMPARE(engine().runPrintJob(controlFile("read=0"), false, 0, 0, 0, 0, folder("out"), name),
             -122);
}

void TestPrintBridge::leanEngine()
{
    // Without "new", "a(I)V" and "a()String": a normal print with headers on still prints.
    QCOMPARE(loadEngine("lean"), 0);
    const QString out = folder("out");
    const QString file = controlFile("read=0");
    CString name("as passed");
    QCOMPARE(engine().runPrintJob(file, false, 0, 0, 0, 0, out, name), 0);
    QCOMPARE(name, CString("as passed"));
    QCOMPARE(calls(out), opening(out, 0) << "for()"
                                         << "for(S) " + file << "a(III) 0 0 0");

    appInstance()->config.PrintHeader = false;
    QCOMPARE(engine().runPrintJob(file, false, 0, 0, 0, 0, out, name), -121);
    appInstance()->config.PrintHeader = true;
    QCOMPARE(engine().runPrintJob(file, false, 1, 0, 0, 0, out, name), -123);
    QCOMPARE(calls(out), QStringList());
}

void TestPrintBridge::callSequence()
{
    QCOMPARE(loadEngine("full"), 0);
    QVERIFY(engine().isLoaded());
    // Later loads return at once and read none of the keys again.
    const QString pdf = folder("pdf");
    CT1AppConfig &c = appInstance()->config;
    c.JAVACLASSPATH = "/nonexistent.jar";
    c.PDFPATH = folder("otherpdf");
    c.JVMPATH.clear();
    QCOMPARE(engine().load(), 0);

    const QString out = folder("out");
    const QString file = controlFile("read=0");
    CString name;
    c.PrintHeader = false;
    QCOMPARE(engine().runPrintJob(file, true, 1, 1, 105, 52, out, name), 0);
    QCOMPARE(name, CString(out + "/stub.pdf"));
    QCOMPARE(calls(out), opening(out, 52) << "new()"
                                          << "for()"
                                          << "a(I) 1"
                                          << "for(S) " + file << "a(III) 1 1 105");
    c.PrintHeader = true;

    // An empty output folder: the engine gets RetPdfPath.
    const QString ret = folder("ret");
    QCOMPARE(engine().runPrintJob(file, false, 0, -1, 0, 0, QString(), name), 0);
    QCOMPARE(calls(ret), opening(ret, 0) << "for()"
                                         << "for(S) " + file << "a(III) 0 -1 0");

    // Read results: 5166 and 5167 print like 0; anything else stops before the write.
    const struct
    {
        const char *control;
        int result;
    } reads[] = {{"read=5166", 0}, {"read=5167", 0}, {"read=7", -116}, {"read=-1", -116}};
    for (const auto &r : reads) {
        const QString control = controlFile(r.control);
        const int read = QString(r.control).mid(5).toInt();
        QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("read data: %1").arg(read)));
        if (r.result == 0)
            QTest::ignoreMessage(QtInfoMsg, "write data: 0");
        QCOMPARE(engine().runPrintJob(control, false, 0, 0, 0, 0, out, name), r.result);
        QCOMPARE(calls(out).size(), r.result == 0 ? 10 : 0);
    }

    // A throwing engine method gives -140; the machine runs the next job as before.
    QCOMPARE(engine().runPrintJob(controlFile("throw"), false, 0, 0, 0, 0, out, name), -140);
    QCOMPARE(engine().runPrintJob(file, false, 0, 0, 0, 0, out, name), 0);
    QCOMPARE(calls(out).size(), 10);

    // The machine, never shut down, leaves no monitoring file of this process under /tmp.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (const QString &dir : QDir("/tmp").entryList({"hsperfdata_*"}, QDir::Dirs))
        QVERIFY2(!QFile::exists("/tmp/" + dir + "/" + pid), qPrintable(dir));
}

QV_TEST_MAIN(TestPrintBridge)
#include "tst_PrintBridge.moc"
