// The ReFile command end to end on a saved return: the terms, the checks, the copy written next
// to the original (whose bytes stay as they were) and what the copy holds when read back.
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "efile/FilingChecks.h"
#include "efile/FilingServices.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/Clock.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"

#include <QAction>
#include <QDir>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(FormType::T1, 0, false));
}

QString copiedText(const QString &path)
{
    return "ReFile copied a new file named [" + path +
           "] to handle amendment. Original file is untouched.";
}

ModalAction agree()
{
    ModalAction action;
    action.ticks.insert("fld_bAgree", true);
    action.button = "OK";
    return action;
}

} // namespace

class TestReFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copiesAndMarksTheReturn_data();
    void copiesAndMarksTheReturn();
    void againOnTheCopyAMinuteLater();
    void declinedTermsChangeNothing();
    void neverSavedReturn();
    void bankruptReturnIsRefused();
    void existingCopyIsLeftAlone();
    void failedSaveShowsItsOwnMessage();
    void reachedFromTheMainWindow();

private:
    // An editor on the fixture return saved as the file name in the test's folder; null name:
    // never saved.
    Form_Return *openSaved(const QString &fileName);
    QStringList folderEntries() const;

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestReFile::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    appInstance()->config.SaveBackup = 1;
    appInstance()->runPath = m_fixture->dir() + "/run";
    setNow(QDateTime(QDate(2026, 3, 15), QTime(14, 30, 12)));
}

void TestReFile::cleanup()
{
    setNow();
    m_fixture.reset();
    m_presenter.reset();
}

Form_Return *TestReFile::openSaved(const QString &fileName)
{
    MainWindow *w = m_fixture->window();
    w->show();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    if (editor && !fileName.isEmpty()) {
        const QFileInfo file(m_fixture->dir() + '/' + fileName);
        editor->setFilePath(&file);
        QString written;
        if (editor->saveToFile(written, true) != 0)
            return nullptr;
    }
    return editor;
}

QStringList TestReFile::folderEntries() const
{
    // The database of the recent files lives there too.
    QStringList entries = QDir(m_fixture->dir()).entryList(QDir::Files, QDir::Name);
    entries.removeAll("mydata2025n.db");
    return entries;
}

void TestReFile::copiesAndMarksTheReturn_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("copyName");
    QTest::newRow("Smith.r25") << "Smith.r25"
                               << "Smith_RF2603151430.r25";
    QTest::newRow("capitals") << "SMITH.R25"
                              << "SMITH_RF2603151430.R25";
    QTest::newRow("no extension") << "Smith"
                                  << "Smith_RF2603151430";
}

void TestReFile::copiesAndMarksTheReturn()
{
    QFETCH(QString, fileName);
    QFETCH(QString, copyName);
    Form_Return *editor = openSaved(fileName);
    QVERIFY(editor);
    const QString original = m_fixture->dir() + '/' + fileName;
    const QByteArray before = readAll(original);
    QVERIFY(before.size() > 100);
    m_presenter->clear();

    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().value(0).title, "ReFile Restrictions");

    const QString copy = m_fixture->dir() + '/' + copyName;
    QCOMPARE(m_presenter->shownTexts(), QStringList{copiedText(copy)});
    QCOMPARE(readAll(original), before);
    QCOMPARE(folderEntries(), (QStringList{fileName, copyName}));
    QString path;
    editor->fullFilePath(path);
    QCOMPARE(path, copy);
    QVERIFY(!editor->isModified());

    int code = -99;
    std::unique_ptr<FamilyTaxData> loaded = loadReturnFile(copy, &code, AppEdition);
    QVERIFY(loaded);
    QCOMPARE(code, 0);
    IndividualTaxData *person = loaded->taxpayer();
    int flag = -1;
    QVERIFY(person->getFormIntByKey(2, flag));
    QCOMPARE(flag, 1);
    QCOMPARE(int(t1Of(person)->filingStatus), 2);
    auto *snapshot = person->getForm(FormType::T1KSREFILE, 0, false);
    auto *summary = person->getForm(FormType::T1KS, 0, false);
    QVERIFY(dynamic_cast<TaxData_T1KSNew *>(snapshot));
    QVERIFY(dynamic_cast<TaxData_T1KSNew *>(summary));
    QVERIFY(!snapshot->isDifferentFrom(*summary));

    // The original still reads as the return it was: not marked for re-filing.
    std::unique_ptr<FamilyTaxData> old = loadReturnFile(original, &code, AppEdition);
    QVERIFY(old);
    QVERIFY(old->taxpayer()->getFormIntByKey(2, flag));
    QCOMPARE(flag, 0);
}

void TestReFile::againOnTheCopyAMinuteLater()
{
    Form_Return *editor = openSaved("Smith.r25");
    QVERIFY(editor);
    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    const QByteArray firstCopy = readAll(m_fixture->dir() + "/Smith_RF2603151430.r25");
    QVERIFY(!firstCopy.isEmpty());

    setNow(QDateTime(QDate(2026, 3, 15), QTime(14, 31, 3)));
    m_presenter->clear();
    driver.queue(agree());
    editor->setReFile();
    const QString second = m_fixture->dir() + "/Smith_RF2603151430_RF2603151431.r25";
    QCOMPARE(m_presenter->shownTexts(), QStringList{copiedText(second)});
    QCOMPARE(readAll(m_fixture->dir() + "/Smith_RF2603151430.r25"), firstCopy);
    QCOMPARE(folderEntries(), (QStringList{"Smith.r25", "Smith_RF2603151430.r25",
                                           "Smith_RF2603151430_RF2603151431.r25"}));
}

void TestReFile::declinedTermsChangeNothing()
{
    Form_Return *editor = openSaved("Smith.r25");
    QVERIFY(editor);
    const QByteArray before = readAll(m_fixture->dir() + "/Smith.r25");
    m_presenter->clear();
    ModalDriver driver;
    driver.pressButton("Cancel");
    editor->setReFile();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    QCOMPARE(folderEntries(), QStringList{"Smith.r25"});
    QCOMPARE(readAll(m_fixture->dir() + "/Smith.r25"), before);
    QVERIFY(!editor->isModified());
    QVERIFY(!editor->family()->taxpayer()->hasForm(FormType::T1KSREFILE));
    QCOMPARE(int(t1Of(editor->family()->taxpayer())->reFileFlag), 0);
}

void TestReFile::neverSavedReturn()
{
    Form_Return *editor = openSaved(QString());
    QVERIFY(editor);
    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList{"Please save current return to a file first!"});
    QCOMPARE(m_presenter->shown().value(0).parent, static_cast<QWidget *>(editor));
    QCOMPARE(folderEntries(), QStringList());
    QCOMPARE(int(t1Of(editor->family()->taxpayer())->reFileFlag), 0);
    QVERIFY(!editor->hasFileName());
}

void TestReFile::bankruptReturnIsRefused()
{
    MainWindow *w = m_fixture->window();
    w->show();
    FamilyTaxData *family = EditorFixture::singleReturn();
    t1Of(family->taxpayer())->bankruptDate.setDate(QDate(2025, 4, 1));
    w->addReturnPage(nullptr, family);
    Form_Return *editor = w->shownEditor();
    const QFileInfo file(m_fixture->dir() + "/Smith.r25");
    editor->setFilePath(&file);
    QString written;
    QCOMPARE(editor->saveToFile(written, true), 0);
    m_presenter->clear();

    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Re-File cannot change a return with regard to bankruptcy."});
    QCOMPARE(folderEntries(), QStringList{"Smith.r25"});
    QCOMPARE(int(t1Of(family->taxpayer())->reFileFlag), 0);
    QVERIFY(!editor->isModified());
}

void TestReFile::existingCopyIsLeftAlone()
{
    Form_Return *editor = openSaved("Smith.r25");
    QVERIFY(editor);
    const QString copy = m_fixture->dir() + "/Smith_RF2603151430.r25";
    {
        QFile taken(copy);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("someone else's file");
    }
    IndividualTaxData *person = editor->family()->taxpayer();
    const int formsBefore = person->getFormCount(0);
    const int statusBefore = t1Of(person)->filingStatus;
    m_presenter->clear();

    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"ReFile did not copy the return: a file named [" + copy +
                         "] already exists. Please try again in a minute."});
    QCOMPARE(readAll(copy), QByteArray("someone else's file"));
    QCOMPARE(folderEntries(), (QStringList{"Smith.r25", "Smith_RF2603151430.r25"}));
    QString path;
    editor->fullFilePath(path);
    QCOMPARE(path, m_fixture->dir() + "/Smith.r25");
    QVERIFY(!editor->isModified());
    QCOMPARE(int(t1Of(person)->reFileFlag), 0);
    QCOMPARE(int(t1Of(person)->filingStatus), statusBefore);
    QCOMPARE(person->getFormCount(0), formsBefore);
}

void TestReFile::failedSaveShowsItsOwnMessage()
{
    Form_Return *editor = openSaved("Smith.r25");
    QVERIFY(editor);
    const QByteArray before = readAll(m_fixture->dir() + "/Smith.r25");
    // The copy's folder is a file: the save cannot write there.
    const QString blocked = m_fixture->dir() + "/blocked";
    {
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QFileInfo inBlocked(blocked + "/Smith.r25");
    editor->setFilePath(&inBlocked);
    m_presenter->clear();

    ModalDriver driver;
    driver.queue(agree());
    editor->setReFile();
    const QString copy = blocked + "/Smith_RF2603151430.r25";
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"The return file could not be saved to " + copy + "."});
    QCOMPARE(readAll(m_fixture->dir() + "/Smith.r25"), before);
    QVERIFY(QFileInfo(blocked).isFile());
}

void TestReFile::reachedFromTheMainWindow()
{
    installFilingServices(neighbourServices());
    Form_Return *editor = openSaved("Smith.r25");
    QVERIFY(editor);
    m_presenter->clear();
    ModalDriver driver;
    driver.queue(agree());
    m_fixture->action("actionSet_Return_for_ReFile")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{copiedText(m_fixture->dir() + "/Smith_RF2603151430.r25")});
    QCOMPARE(int(t1Of(editor->family()->taxpayer())->reFileFlag), 1);

    // The flag goes back through the editor's entry.
    neighbourServices().clearReFileFlag(editor);
    QCOMPARE(int(t1Of(editor->family()->taxpayer())->reFileFlag), 0);
    neighbourServices() = NeighbourServices();
}

QV_TEST_MAIN(TestReFile)
#include "tst_ReFile.moc"
