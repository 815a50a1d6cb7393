// Logs and message helpers: run log lines, log names, the filing record, the helpers' answers
// with scripted and with real dialogs.
#include <QtTest>

#include <QMainWindow>

#include "FileModes.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "app/LogFile.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "download/TddLog.h"
#include "ordane/MsgBox.h"

#include <functional>

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

const QString stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d";

} // namespace

class TestLogsMessages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void runLog();
    void runLogInReadOnlyPlace();
    void logNames_data();
    void logNames();
    void filingRecord();
    void logsArePrivate();
    void askQuestion_data();
    void askQuestion();
    void helperTitlesAndParents();
    void realDialogs();

private:
    QTemporaryDir m_dir;
};

void TestLogsMessages::init()
{
    TabWndApp *app = appInstance();
    app->separator = "/";
    app->runPath = m_dir.path();
    app->logPath = m_dir.filePath("log2025.txt");
    app->config.MODEDEBUG = false;
}

void TestLogsMessages::runLog()
{
    TabWndApp *app = appInstance();
    app->createLogFile();
    app->writeLogLine("first");
    app->writeLogLine(QString::fromUtf8("two\nlines é").toUtf8());
    QVERIFY(QRegularExpression("^Log file created\nLog: " + stamp + " first\nLog: " + stamp +
                               " two\nlines é\n$")
                .match(readAll(app->logPath))
                .hasMatch());
    app->createLogFile();
    QCOMPARE(readAll(app->logPath), QString("Log file created\n"));

    appendLogLine(m_dir.filePath("other.txt").toUtf8(), "x");
    QVERIFY(QRegularExpression("^Log: " + stamp + " x\n$")
                .match(readAll(m_dir.filePath("other.txt")))
                .hasMatch());
    appendLogLine(m_dir.filePath("none/other.txt").toUtf8(), "x"); // skipped silently
    QVERIFY(!QFile::exists(m_dir.filePath("none/other.txt")));
}

void TestLogsMessages::runLogInReadOnlyPlace()
{
    TabWndApp *app = appInstance();
    QFile blocker(m_dir.filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app->logPath = m_dir.filePath("blocked/log2025.txt");
    ScriptedPresenter presenter;
    app->createLogFile();
    app->writeLogLine("lost");
    QCOMPARE(presenter.shown().size(), 1);
    QCOMPARE(presenter.shown()[0].title, QString(gMsgGetTitle(2)));
    QCOMPARE(presenter.shown()[0].text,
             QString("File folder is read only, please adjust security settings to allow "
                     "program write access!"));
}

void TestLogsMessages::logNames_data()
{
    QTest::addColumn<bool>("testing");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("normal") << false
                            << QStringList{"/netfileresult.txt", "/netfilelog.txt", "/tddlog.txt",
                                           "/tddlog2.txt",       "/findfiles.csv",  "/"};
    QTest::newRow("testing") << true
                             << QStringList{"/netfileresult.ws", "/netfilelog.txt", "/tddlog.txt",
                                            "/tddlog2.txt",      "/findfiles.csv",  "/"};
}

void TestLogsMessages::logNames()
{
    TabWndApp *app = appInstance();
    QFETCH(bool, testing);
    app->config.MODEDEBUG = testing;
    CString out;
    QStringList got;
    const QString run = app->runPath;
    for (bool result : {true, false}) {
        const CString r = app->netfileLogPath(out, result);
        QCOMPARE(QString(r), QString(out));
        got.append(QString(out).mid(run.size()));
    }
    for (int type : {0, 1, 2, 3}) {
        app->tddLogPath(out, type);
        got.append(QString(out).mid(run.size()));
    }
    QTEST(got, "expected");
}

void TestLogsMessages::filingRecord()
{
    TabWndApp *app = appInstance();
    QCOMPARE(app->appendFilingRecord("Jane Roe", "accepted", "12345", "Thank you"), 0);
    QCOMPARE(app->appendFilingRecord("B", "rejected", "", "bad\nSIN"), 0);
    const QString record =
        "Time: " + stamp + " \nName: %1\nResult: %2\nConfirmation: %3\nMsg: %4\n\n\n";
    QVERIFY(QRegularExpression("^" + record.arg("Jane Roe", "accepted", "12345", "Thank you") +
                               record.arg("B", "rejected", "", "bad\nSIN") + "$")
                .match(readAll(m_dir.filePath("netfilelog.txt")))
                .hasMatch());
    app->runPath = m_dir.filePath("missing");
    QCOMPARE(app->appendFilingRecord("C", "", "", ""), 0);
}

void TestLogsMessages::logsArePrivate()
{
    // Each log, new and written over one that others could read, is its user's alone.
    TabWndApp *app = appInstance();
    const QString other = m_dir.filePath("other.txt");
    const struct
    {
        QString file;
        std::function<void()> write;
    } writers[] = {
        {app->logPath, [app] { app->createLogFile(); }},
        {app->logPath, [app] { app->writeLogLine("line"); }},
        {m_dir.filePath("netfilelog.txt"), [app] { app->appendFilingRecord("A", "", "", ""); }},
        {other, [other] { appendLogLine(other.toUtf8(), "x"); }},
        {m_dir.filePath("tddlog.txt"),
         [] {
             FILE *log = openTddLog(0);
             closeTddLog(log);
         }},
    };
    for (const auto &writer : writers) {
        for (const bool existed : {false, true}) {
            QFile::remove(writer.file);
            if (existed) {
                QFile file(writer.file);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QVERIFY(setFileMode(writer.file, 0644));
            }
            writer.write();
            QCOMPARE(fileMode(writer.file), 0600);
        }
    }
}

void TestLogsMessages::askQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("Ok") << int(QMessageBox::Ok) << true;
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
    QTest::newRow("closed") << int(QMessageBox::NoButton) << false;
}

void TestLogsMessages::askQuestion()
{
    ScriptedPresenter presenter;
    QFETCH(int, answer);
    presenter.queueAnswer(static_cast<QMessageBox::StandardButton>(answer));
    QTEST(::askQuestion("Go on?"), "result");
    QCOMPARE(presenter.shown().size(), 1);
    QCOMPARE(presenter.shown()[0].kind, QString("question"));
    QCOMPARE(presenter.shown()[0].text, QString("Go on?"));
}

void TestLogsMessages::helperTitlesAndParents()
{
    TabWndApp *app = appInstance();
    const CString savedTitle = appTitle;
    appTitle = gMsgGetTitle(2) + " - Testing";
    ScriptedPresenter presenter;
    QCOMPARE(showInformation("before window"), 1);
    QMainWindow window;
    app->mainWindow = &window;
    QWidget other;
    showInformation("with window");
    showInformation("own parent", &other);
    presenter.queueAnswer(QMessageBox::Retry);
    QCOMPARE(askQuestionButtons("Retry?", nullptr, QMessageBox::Retry | QMessageBox::Abort),
             int(QMessageBox::Retry));
    app->mainWindow = nullptr;
    appTitle = savedTitle;

    const QList<ShownMessage> &shown = presenter.shown();
    QCOMPARE(shown.size(), 4);
    QCOMPARE((QList<QWidget *>{shown[0].parent, shown[1].parent, shown[2].parent, shown[3].parent}),
             (QList<QWidget *>{nullptr, &window, &other, nullptr}));
    for (const ShownMessage &m : shown)
        QCOMPARE(m.title, QString("Quorvandelle 2025 NETFILE"));
}

void TestLogsMessages::realDialogs()
{
    MessagePresenter *scripted = MessagePresenter::install(nullptr);
    ModalDriver driver;
    driver.pressButton("No");
    driver.pressButton("yes");
    ModalAction input;
    input.fills.insert("", "typed");
    input.button = "OK";
    driver.queue(input);
    driver.pressButton("Cancel");

    const bool no = ::askQuestion("First?");
    const bool yes = ::askQuestion("Second?");
    QString value = "start";
    const bool accepted = presentTextInput(nullptr, "Input", "Name:", value);
    QString untouched = "keep";
    const bool cancelled = presentTextInput(nullptr, "Input", "Other:", untouched);
    MessagePresenter::install(scripted);

    QCOMPARE((QList<bool>{no, yes, accepted, cancelled}), (QList<bool>{false, true, true, false}));
    QCOMPARE(value, QString("typed"));
    QCOMPARE(untouched, QString("keep"));
    QStringList seen;
    for (const ShownMessage &m : driver.seen())
        seen.append(m.kind + ":" + m.title + ":" + m.text);
    QCOMPARE(seen, (QStringList{"modal:Quorvandelle 2025 NETFILE:First?",
                                "modal:Quorvandelle 2025 NETFILE:Second?",
                                "modal:Input:Name:", "modal:Input:Other:"}));
}

QV_TEST_MAIN(TestLogsMessages)
#include "tst_LogsMessages.moc"
