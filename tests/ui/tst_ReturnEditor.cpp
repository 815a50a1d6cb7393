// The return editor: styling, splitter, recalculation after a keystroke, tree walks, the
// person switch, events, saving with its backup and the close questions, pages and tool tips.
#include "EditorFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FormTables.h"
#include "marrow/ScrollTaxForm.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CFloatField.h"
#include "ordane/MyEvent.h"
#include "ui/ActionShowReturn.h"
#include "ui/EditorRules.h"
#include "ui/EditorStyle.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolTip>

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

// Posts through the event queue, as a page does, and lets the editor take it.
void post(Form_Return *editor, QEvent *event)
{
    QCoreApplication::postEvent(editor, event);
    QCoreApplication::sendPostedEvents(editor);
}

QStringList formCaptions(Form_Return *editor)
{
    QStringList texts;
    QTreeWidgetItem *section = editor->folderView()->formSection();
    for (int i = 0; i < section->childCount(); ++i)
        texts.append(section->child(i)->text(0));
    return texts;
}

} // namespace

class TestReturnEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void styleSheets_data();
    void styleSheets();
    void splitterRules_data();
    void splitterRules();
    void maximizeRules_data();
    void maximizeRules();
    void splitterOnScreen();
    void backupNames_data();
    void backupNames();

    void constructionOpensTheT1();
    void keystrokeRecalculates();
    void t1EditReachesTheSummary();
    void editAddingFormWalksTaxForms();
    void personSwitchRestoresItems();
    void samePersonDoesNothing();
    void eventRefreshPages();
    void eventGotoForm_data();
    void eventGotoForm();
    void eventNotAvailable();
    void copyAddressToBusinessForm();
    void eventPreparerAndSpouseAddress();

    void saveBackupAndRecentRow_data();
    void saveBackupAndRecentRow();
    void saveFailureKeepsReturnModified();
    void closeQuestions_data();
    void closeQuestions();

    void fontChangeRebuildsPages();
    void t1TabShownLaterBindsItsFields_data();
    void t1TabShownLaterBindsItsFields();
    void quickHelpAndNotes();
    void treeToolTipOnlyWhenCut();
    void treeRowsKeepTheirOwnHeight_data();
    void treeRowsKeepTheirOwnHeight();

private:
    Form_Return *openEditor(FamilyTaxData *family);
    void selectSlip(Form_Return *editor, int type);

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestReturnEditor::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    CT1AppConfig &c = appInstance()->config;
    c.BKColor = "#d0f1ff";
    c.FontSize = "12";
    c.LeftPaneSize = "270";
    c.SaveBackup = 0;
}

void TestReturnEditor::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
}

Form_Return *TestReturnEditor::openEditor(FamilyTaxData *family)
{
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->activateWindow();
    w->addReturnPage(nullptr, family);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("the main window did not become active");
    return w->shownEditor();
}

void TestReturnEditor::selectSlip(Form_Return *editor, int type)
{
    IndividualTaxData *person = editor->family()->getCurrentPersonData();
    for (TaxDataEntryStru *e : person->m_slipList) {
        if (e->type == type) {
            editor->folderView()->selectEntry(FolderView::KindSlip, e->id);
            return;
        }
    }
    QFAIL("no slip of the type");
}

// ---- styling and pure rules

void TestReturnEditor::styleSheets_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("dark");
    QTest::newRow("lightness 127") << "#7f7f7f" << true;
    QTest::newRow("lightness 128") << "#808080" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("unparsable") << "not-a-colour" << false;
}

void TestReturnEditor::styleSheets()
{
    QFETCH(QString, colour);
    QFETCH(bool, dark);
    QCOMPARE(isDarkBackground(colour), dark);
    appInstance()->config.BKColor = colour;
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    const QString back = colour.isEmpty() ? QString("#FFFFFF") : colour;
    const QString tabs =
        dark ? QString("QTabWidget::pane {border-top: 1px solid #404040;background: %1;padding: "
                       "4px;}QTabBar::tab {background: #252526;border: 1px solid "
                       "#404040;border-bottom-color: #404040;border-top-left-radius: "
                       "3px;border-top-right-radius: 3px;min-width: 50px;height: 18px;padding: "
                       "1px 6px;color: #CCCCCC;font-weight: normal;font-size: "
                       "8pt;}QTabBar::tab:selected, QTabBar::tab:hover {background: "
                       "%1;}QTabBar::tab:selected {border-color: #404040;border-bottom-color: "
                       "%1;color: #FFFFFF;font-weight: bold;}QTabBar::tab:!selected "
                       "{margin-top: 2px;}")
                   .arg(back)
             : QString("QTabWidget::pane {border-top: 1px solid #3C7EBB;background: %1;padding: "
                       "4px;}QTabBar::tab {background: #E8F0FE;border: 1px solid "
                       "#B8C5D1;border-bottom-color: #3C7EBB;border-top-left-radius: "
                       "3px;border-top-right-radius: 3px;min-width: 50px;height: 18px;padding: "
                       "1px 6px;color: #2C5AA0;font-weight: normal;font-size: "
                       "8pt;}QTabBar::tab:selected, QTabBar::tab:hover {background: "
                       "%1;}QTabBar::tab:selected {border-color: #3C7EBB;border-bottom-color: "
                       "%1;color: #1A4480;font-weight: bold;}QTabBar::tab:!selected "
                       "{margin-top: 2px;}")
                   .arg(back);
    QCOMPARE(editor->tabWidget()->styleSheet(), tabs);

    const QString ink = dark ? "#FFFFFF" : "#000000";
    const QString tree = editor->folderView()->styleSheet();
    QVERIFY(tree.startsWith(QString("QTreeWidget {color: %1;background-color: %2;font-size: "
                                    "12pt;border: none;outline: none;selection-background-color: "
                                    "transparent;}QTreeWidget::item {padding: 2px 4px;")
                                .arg(ink, colour)));
    QCOMPARE(tree.count("color: " + ink + ";font-weight: bold;}"), 3);
    QVERIFY(tree.endsWith("QTreeWidget::branch:open:has-children:!has-siblings,QTreeWidget::"
                          "branch:open:has-children:has-siblings {border-image: none;image: "
                          "none;background: transparent;border-left: 1px dotted rgba(128, 128, "
                          "128, 100);}"));

    QCOMPARE(pageStyleSheet(12, dark),
             QString("QWidget {color: %1;font-size: 12pt;margin-top: 1px;margin-bottom: 1px;} "
                     "QPushButton {border:2px solid #8f8f91;min-width: 80px;background-color: "
                     "qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f6f7fa, stop: 1 "
                     "#dadbde);} QPushButton:pressed {background-color: qlineargradient(x1: 0, "
                     "y1: 0, x2: 0, y2: 1, stop: 0 #dadbde, stop: 1 #f6f7fa);} "
                     "QFrame[frameShape=\"4\"],QFrame[frameShape=\"5\"]{border:none; "
                     "background:#E67112;} QLabel[frameShape=\"1\"]{border: 1px solid %2; "
                     "padding: 2px;}")
                 .arg(ink, dark ? "#CCCCCC" : "#333333"));
    QCOMPARE(editor->pages().first()->styleSheet(), pageStyleSheet(12, dark));

    const QString frames = dark ? "#252526" : "#F8F9FB";
    QCOMPARE(editor->findChild<QFrame *>("frame")->styleSheet(),
             QString("QFrame {background-color: %1;border-radius: 4px;}").arg(frames));
    QCOMPARE(editor->findChild<QFrame *>("frame_2")->styleSheet(),
             QString("QFrame {background-color: %1;border: 1px;border-radius: 4px;}").arg(frames));
    QCOMPARE(editor->findChild<QLabel *>("lblFormDesc")->styleSheet(),
             QString("QLabel {color: %1;font-size: 14pt;font-weight: bold;padding: 4px;}")
                 .arg(dark ? "#569CD6" : "#2C5AA0"));
    const QString result = QString("QLabel {color: %1;font-size: 10pt;padding: 2px;}")
                               .arg(dark ? "#CCCCCC" : "#333333");
    QCOMPARE(editor->findChild<QLabel *>("lblResultLine1")->styleSheet(), result);
    QCOMPARE(editor->findChild<QLabel *>("lblResultLine2")->styleSheet(), result);
    QCOMPARE(editor->findChild<QLabel *>("lblResultLine3")->styleSheet(), QString());
    QCOMPARE(editor->findChild<QComboBox *>("comboBox")->styleSheet(), QString());

    // Readable entries on the dark variant, calculated entries set apart on both.
    QCOMPARE(editor->tabWidget()->widget(0)->styleSheet(), entryStyleSheet(dark));
    QCOMPARE(entryStyleSheet(dark).contains("QLineEdit, QAbstractSpinBox, QPlainTextEdit, "
                                            "QTableWidget {background-color: #2D2D30;"),
             dark);
    QVERIFY(entryStyleSheet(dark).contains("QLineEdit[readOnly=\"true\"]"));
    for (const char *name : {"label_3", "lblResultLine3"})
        QCOMPARE(editor->findChild<QLabel *>(name)->palette().color(QPalette::WindowText),
                 QColor(dark ? "#CCCCCC" : "#000000"));
}

void TestReturnEditor::splitterRules_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("tree");
    QTest::newRow("5 of 800") << "5" << 800 << 270;
    QTest::newRow("x of 800") << "x" << 800 << 270;
    QTest::newRow("5 of 250") << "5" << 250 << 1;
    QTest::newRow("x of 250") << "x" << 250 << 1;
    QTest::newRow("300 of 800") << "300" << 800 << 300;
    QTest::newRow("900 of 800") << "900" << 800 << 270;
    QTest::newRow("10 of 800") << "10" << 800 << 10;
}

void TestReturnEditor::splitterRules()
{
    QFETCH(QString, stored);
    QFETCH(int, total);
    QFETCH(int, tree);
    QCOMPARE(restoredPaneSizes(stored, total), qMakePair(tree, total - tree));
}

void TestReturnEditor::maximizeRules_data()
{
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("restored");
    QTest::newRow("11 collapses") << 11 << 800 << 1 << false;
    QTest::newRow("270 collapses") << 270 << 800 << 1 << false;
    QTest::newRow("10 restores") << 10 << 800 << 270 << true;
    QTest::newRow("1 restores") << 1 << 800 << 270 << true;
    QTest::newRow("narrow splitter") << 10 << 270 << 30 << true;
    QTest::newRow("just wide enough") << 10 << 271 << 270 << true;
}

void TestReturnEditor::maximizeRules()
{
    QFETCH(int, tree);
    QFETCH(int, total);
    QFETCH(int, after);
    QFETCH(bool, restored);
    bool answer = !restored;
    QCOMPARE(toggledPaneSizes(tree, total, answer), qMakePair(after, total - after));
    QCOMPARE(answer, restored);
}

void TestReturnEditor::splitterOnScreen()
{
    appInstance()->config.LeftPaneSize = "300";
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    QSplitter *splitter = editor->splitter();
    QCOMPARE(splitter->sizes().value(0), 300);
    appInstance()->config.LeftPaneSize = "x";
    QCOMPARE(editor->restoreSplitterSizes(5), 1);
    QCOMPARE(splitter->sizes().value(0), 270);
    QVERIFY(!editor->setMaximizedView());
    // Asked for 1 pixel, the pane stops at its minimum width of 10, which counts as collapsed.
    QCOMPARE(splitter->sizes().value(0), 10);
    QVERIFY(editor->setMaximizedView());
    QCOMPARE(splitter->sizes().value(0), 270);
    // Stored only by a save, as the tree pane's width.
    appInstance()->config.LeftPaneSize = "";
    QString path;
    editor->saveToFile(path, true);
    QCOMPARE(QString(appInstance()->config.LeftPaneSize), QString("270"));
}

void TestReturnEditor::backupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("backup");
    QTest::newRow("two parts") << "Smith.John.r25"
                               << "Smith_backup.John.r25";
    QTest::newRow("one part") << "Smith.r25"
                              << "Smith_backup.r25";
}

void TestReturnEditor::backupNames()
{
    QFETCH(QString, name);
    QFETCH(QString, backup);
    const QString path = m_fixture->dir() + "/" + name;
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString folder = QFileInfo(m_fixture->dir()).canonicalFilePath();
    QCOMPARE(backupPathFor(QFileInfo(path), "/"), folder + "/" + backup);
}

// ---- construction and recalculation

void TestReturnEditor::constructionOpensTheT1()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    QCOMPARE(editor->currentForm(), family->getForm(FormType::T1, false));
    QCOMPARE(editor->tabWidget()->count(), 5);
    QCOMPARE(editor->tabWidget()->currentIndex(), 0);
    QCOMPARE(editor->tabWidget()->tabText(0), QString("Identification"));
    QCOMPARE(editor->tabWidget()->tabToolTip(4), QString("Refund or Balance"));
    QCOMPARE(editor->findChild<QLabel *>("lblFormDesc")->text(), QString("T1 General"));
    QVERIFY(!editor->isModified());
    QCOMPARE(resultLines(editor), balanceTexts(family));
    QCOMPARE(editor->displayName(), QString("Untitled (unsaved)"));
    QVERIFY(!editor->hasFileName());
    QCOMPARE(editor->updateRecentFileRecord(), RecentFileRecord::NotRecorded);
    QCOMPARE(EditorFixture::recentRows(), QStringList());
}

void TestReturnEditor::keystrokeRecalculates()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    selectSlip(editor, SlipType::T4);
    QCOMPARE(editor->findChild<QLabel *>("lblFormDesc")->text(), QString("T4"));
    auto *t4 = static_cast<TaxData_Slip_T4 *>(editor->currentForm());
    QCOMPARE(double(t4->box14), 41000.0);
    // Stale texts: only the refresh after the recalculation puts the right ones back.
    for (const char *name : {"lblResultLine1", "lblResultLine2", "lblResultLine3"})
        editor->findChild<QLabel *>(name)->setText("stale");
    m_fixture->window()->setStatusText("stale");
    const QStringList before = balanceTexts(family);
    double balanceBefore = 0, spouseBalance = 0, totalBefore = 0;
    family->getBalanceAmounts(balanceBefore, spouseBalance, totalBefore);

    typeInto(editor, "box14", "50000");
    // The keystroke recalculated the return: more employment income moves the balance.
    double balanceAfter = 0, totalAfter = 0;
    family->getBalanceAmounts(balanceAfter, spouseBalance, totalAfter);
    QVERIFY2(qAbs(balanceAfter - balanceBefore) >= 0.01,
             qPrintable(QString("%1 -> %2").arg(balanceBefore).arg(balanceAfter)));
    QVERIFY(balanceTexts(family) != before);
    QCOMPARE(double(t4->box14), 50000.0);
    QVERIFY(editor->isModified());
    QCOMPARE(resultLines(editor), balanceTexts(family));
    QCOMPARE(m_fixture->window()->statusTextLabel()->text(),
             QString(family->getPersonIncomeSummary()));
    QCOMPARE(qobject_cast<QLineEdit *>(boundWidget(editor, "box14"))->text(), QString("50,000.00"));
    QCOMPARE(resultLines(editor).size(), before.size());
}

void TestReturnEditor::t1EditReachesTheSummary()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    editor->tabWidget()->setCurrentIndex(1);
    CTaxData_Form *summary = family->getForm(FormType::T1KS, false);
    QVERIFY(summary);
    CField *mirrored = summary->findField("12800");
    QVERIFY(mirrored);
    typeInto(editor, "12800", "1234.5");
    QCOMPARE(double(t1Of(family->taxpayer())->f12800), 1234.5);
    // The summary takes the T1's lines at the end of every recalculation.
    QCOMPARE(mirrored->toText(), QString("1234.50"));
}

void TestReturnEditor::editAddingFormWalksTaxForms()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    selectSlip(editor, SlipType::T4);
    IndividualTaxData *person = family->taxpayer();
    // A form in the list that the tree does not show yet: only a walk brings it in.
    person->addForm(FormType::T2125, 0, true, 0, false);
    const QStringList shown = formCaptions(editor);
    QVERIFY(!shown.contains("T2125"));
    typeInto(editor, "box14", "47000");
    QCOMPARE(formCaptions(editor), shown);

    // A Schedule 2 without its provincial twin: the recalculation adds the twin.
    if (!person->hasForm(FormType::SCH2))
        person->addForm(FormType::SCH2, 0, true, 0, false);
    if (person->hasForm(FormType::ON_S2))
        person->removeForm(person->getForm(FormType::ON_S2, 0, false), false, false);
    QVERIFY(!person->hasForm(FormType::ON_S2));
    typeInto(editor, "box14", "48000");
    QVERIFY(person->hasForm(FormType::ON_S2));
    const QStringList walked = formCaptions(editor);
    QVERIFY(walked.contains(formName(FormType::ON_S2)));
    QVERIFY(walked.contains("T2125"));
}

void TestReturnEditor::personSwitchRestoresItems()
{
    FamilyTaxData *family = EditorFixture::coupledReturn(4, 0);
    Form_Return *editor = openEditor(family);
    auto *combo = editor->findChild<QComboBox *>("comboBox");
    QCOMPARE(combo->count(), 2);
    const int first = family->getCurrentPersonIndex();
    const int other = first == PersonTaxpayer ? PersonSpouse : PersonTaxpayer;
    QCOMPARE(combo->currentData().toInt(), first);

    int kind = 0, type = 0, id = 0;
    selectSlip(editor, SlipType::T5);
    editor->folderView()->selectedEntry(kind, type, id);
    QCOMPARE(kind, int(FolderView::KindSlip));
    const int firstSlip = id;

    combo->setCurrentIndex(combo->findData(other));
    QCOMPARE(family->getCurrentPersonIndex(), other);
    QCOMPARE(m_fixture->window()->statusTextLabel()->text(),
             QString(family->getPersonIncomeSummary()));
    selectSlip(editor, SlipType::T3);
    editor->folderView()->selectedEntry(kind, type, id);
    const int otherSlip = id;
    QCOMPARE(editor->currentForm(),
             family->getCurrentPersonData()->getSlip(SlipType::T3, otherSlip, false));

    combo->setCurrentIndex(combo->findData(first));
    editor->folderView()->selectedEntry(kind, type, id);
    QCOMPARE(kind, int(FolderView::KindSlip));
    QCOMPARE(type, int(SlipType::T5));
    QCOMPARE(id, firstSlip);
    QCOMPARE(editor->currentForm(),
             family->getCurrentPersonData()->getSlip(SlipType::T5, firstSlip, false));

    combo->setCurrentIndex(combo->findData(other));
    editor->folderView()->selectedEntry(kind, type, id);
    QCOMPARE(type, int(SlipType::T3));
    QCOMPARE(id, otherSlip);
    bool otherLast = false;
    family->personalSettings().getLastView(otherLast, kind, id);
    QCOMPARE(otherLast, first == PersonSpouse);
}

void TestReturnEditor::samePersonDoesNothing()
{
    FamilyTaxData *family = EditorFixture::coupledReturn();
    Form_Return *editor = openEditor(family);
    const int person = family->getCurrentPersonIndex();
    const QList<BaseTaxPage *> pages = editor->pages();
    QTreeWidgetItem *firstSlip = editor->folderView()->slipSection()->child(0);
    auto *combo = editor->findChild<QComboBox *>("comboBox");
    editor->on_comboBox_currentIndexChanged(combo->currentIndex());
    QCOMPARE(editor->pages(), pages);
    QCOMPARE(editor->folderView()->slipSection()->child(0), firstSlip);
    QCOMPARE(family->getCurrentPersonIndex(), person);
}

// ---- events

void TestReturnEditor::eventRefreshPages()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    t1Of(family->taxpayer())->city = "Kingston";
    auto *city = qobject_cast<QLineEdit *>(boundWidget(editor, "city"));
    QCOMPARE(city->text(), QString());
    post(editor, new MyEvent(MyEvent::RefreshPages));
    QCOMPARE(city->text(), QString("Kingston"));
}

void TestReturnEditor::eventGotoForm_data()
{
    QTest::addColumn<int>("formType");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shownForm");
    QTest::newRow("yes") << int(FormType::SCH7) << "Do you want to go to form [Schedule 7]"
                         << int(QMessageBox::Yes) << "Schedule 7";
    QTest::newRow("no") << int(FormType::SCH7) << "Do you want to go to form [Schedule 7]"
                        << int(QMessageBox::No) << "T1 General";
    QTest::newRow("no name") << 0 << "Do you want to go to form []" << int(QMessageBox::Yes)
                             << "T1 General";
}

void TestReturnEditor::eventGotoForm()
{
    QFETCH(int, formType);
    QFETCH(int, answer);
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    const bool had = family->taxpayer()->hasForm(FormType::SCH7);
    m_presenter->queueAnswer(QMessageBox::StandardButton(answer));
    post(editor, new EventForwardEdit(formType));
    QTEST(m_presenter->shownTexts().value(0), "question");
    QCOMPARE(m_presenter->shown().value(0).parent, static_cast<QWidget *>(editor));
    QTEST(editor->findChild<QLabel *>("lblFormDesc")->text(), "shownForm");
    const bool yes = answer == QMessageBox::Yes && formType != 0;
    QCOMPARE(family->taxpayer()->hasForm(FormType::SCH7), had || yes);
    if (yes) {
        int kind = 0, type = 0, id = 0;
        editor->folderView()->selectedEntry(kind, type, id);
        QCOMPARE(type, int(FormType::SCH7));
    }
    // A plain event of the type is not a request to go anywhere.
    m_presenter->clear();
    post(editor, new MyEvent(MyEvent::GotoForm));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestReturnEditor::eventNotAvailable()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    post(editor, new MyEvent(MyEvent::T183SendForSignature));
    post(editor, new MyEvent(MyEvent::RC71SendForSignature));
    QCOMPARE(m_presenter->shownTexts(),
             (QStringList{"Send T183 for E-Signature is not available in this build yet.",
                          "Send RC71 for E-Signature is not available in this build yet."}));
    QVERIFY(!editor->isModified());
}

void TestReturnEditor::copyAddressToBusinessForm()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    TaxData_T1New *t1 = t1Of(family->taxpayer());
    t1->street = "12 Main St";
    t1->city = "Kingston";
    t1->provinceText = "ON";
    t1->mailingProvince = 9;
    t1->postalCode = "K7L 3N6";
    auto *business = static_cast<TaxData_T2125_New *>(
        family->taxpayer()->addForm(FormType::T2125, 0, true, 0, false)->data);
    QCOMPARE(editor->copyAddressToBusinessForm(FormType::T2125, nullptr), AddressCopy::NoForm);
    QCOMPARE(editor->copyAddressToBusinessForm(FormType::T2125, t1), AddressCopy::NotBusinessForm);
    QCOMPARE(QString(business->businessAddress.value()), QString());

    // With the form on screen, the page's button event copies and shows the address.
    editor->gotoForm(FormType::T2125);
    QCOMPARE(editor->currentForm(), static_cast<CTaxData_Form *>(business));
    post(editor, new MyEvent(MyEvent::CopyAddressToT2125));
    QCOMPARE(QString(business->businessAddress.value()), QString("12 Main St, Kingston, ON"));
    QCOMPARE(QString(business->businessCity.value()), QString("Kingston"));
    QCOMPARE(int(business->businessProvince), 9);
    QCOMPARE(QString(business->businessPostalCode.value()), QString("K7L 3N6"));
    QCOMPARE(qobject_cast<QLineEdit *>(boundWidget(editor, "businessCity"))->text(),
             QString("Kingston"));

    // A person without a T1.
    auto *empty = new FamilyTaxData(0);
    m_fixture->window()->addReturnPage(nullptr, empty);
    QCOMPARE(
        m_fixture->window()->shownEditor()->copyAddressToBusinessForm(FormType::T2125, business),
        AddressCopy::NoT1);
}

void TestReturnEditor::eventPreparerAndSpouseAddress()
{
    CT1AppConfig &c = appInstance()->config;
    c.BusinessName = "Leaf Tax Services";
    FamilyTaxData *family = EditorFixture::coupledReturn();
    Form_Return *editor = openEditor(family);
    post(editor, new MyEvent(MyEvent::CopyPreparerToBoth));
    QCOMPARE(QString(t1Of(family->taxpayer())->preparerName.value()), QString("Leaf Tax Services"));
    QCOMPARE(QString(t1Of(family->spouse())->preparerName.value()), QString("Leaf Tax Services"));
    QCOMPARE(qobject_cast<QLineEdit *>(boundWidget(editor, "preparerName"))->text(),
             QString("Leaf Tax Services"));
    c.BusinessName.Empty();

    // From the person on screen to the other one.
    t1Of(family->getCurrentPersonData())->street = "9 Lake Rd";
    t1Of(family->getCurrentPersonData())->postalCode = "K7L 1A1";
    t1Of(family->getPartnerData())->careOf = "old";
    post(editor, new MyEvent(MyEvent::CopyAddressToSpouse));
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Mailing address is copied into spouse's return!"});
    QCOMPARE(QString(t1Of(family->getPartnerData())->street.value()), QString("9 Lake Rd"));
    QCOMPARE(QString(t1Of(family->getPartnerData())->postalCode.value()), QString("K7L 1A1"));
    QCOMPARE(QString(t1Of(family->getPartnerData())->careOf.value()),
             QString(t1Of(family->getCurrentPersonData())->careOf.value()));

    // A single return has no spouse to copy to: nothing is said.
    m_presenter->clear();
    m_fixture->window()->addReturnPage(nullptr, EditorFixture::singleReturn());
    post(m_fixture->window()->shownEditor(), new MyEvent(MyEvent::CopyAddressToSpouse));
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

// ---- saving and closing

void TestReturnEditor::saveBackupAndRecentRow_data()
{
    QTest::addColumn<int>("saveBackup");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("backupAllowed");
    QTest::addColumn<bool>("backupWritten");
    QTest::newRow("on, existing file") << 1 << true << true << true;
    QTest::newRow("off, existing file") << 0 << true << true << false;
    QTest::newRow("on, first save") << 1 << false << true << false;
    QTest::newRow("on, not allowed") << 1 << true << false << false;
}

void TestReturnEditor::saveBackupAndRecentRow()
{
    QFETCH(int, saveBackup);
    QFETCH(bool, fileExists);
    QFETCH(bool, backupAllowed);
    QFETCH(bool, backupWritten);
    appInstance()->config.SaveBackup = saveBackup;
    FamilyTaxData *family = EditorFixture::coupledReturn();
    Form_Return *editor = openEditor(family);
    const QString path = m_fixture->dir() + "/Smith.John.r25";
    const QString backup = m_fixture->dir() + "/Smith_backup.John.r25";
    if (fileExists) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old return");
    }
    const QFileInfo file(path);
    editor->setFilePath(&file);
    QCOMPARE(editor->showAction()->text(), "Return 1 - " + QDir::toNativeSeparators(path));
    changeEmail(editor, "new@example.invalid");
    QVERIFY(editor->isModified());

    QString written;
    QCOMPARE(editor->saveToFile(written, backupAllowed), 0);
    QCOMPARE(written, path);
    QVERIFY(!editor->isModified());
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.size() > 100);
    QCOMPARE(QFile::exists(backup), backupWritten);
    if (backupWritten)
        QCOMPARE(readAll(backup), bytes);
    QCOMPARE(EditorFixture::recentRows(),
             QStringList{QString::fromUtf8("\u00c9lise Tremblay|Marc Tremblay|") + path});
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestReturnEditor::saveFailureKeepsReturnModified()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    // A folder stands where the file must go.
    const QString path = m_fixture->dir() + "/Smith.r25";
    QVERIFY(QDir().mkpath(path + "/inside"));
    const QFileInfo file(path);
    editor->setFilePath(&file);
    changeEmail(editor, "new@example.invalid");
    QString written;
    QVERIFY(editor->saveToFile(written, true) != 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList{"The return file could not be saved to " +
                                                    QDir::toNativeSeparators(path) + "."});
    QVERIFY(editor->isModified());
    QCOMPARE(EditorFixture::recentRows(), QStringList());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QFileInfo(path + "/inside").isDir());

    // Closing with Yes cannot save it: the return stays open with its changes.
    m_presenter->clear();
    m_presenter->queueAnswer(QMessageBox::Yes);
    QString closed;
    QVERIFY(!editor->confirmClose(closed));
    QVERIFY(editor->isModified());
    QCOMPARE(editor->tabWidget()->count(), 5);
}

void TestReturnEditor::closeQuestions_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("fileWritten");
    const QString discard =
        "You haven't save this return file, confirm 'Yes' to discard this return file?";
    const QString save = "Do you want to save changed data to return file before closing?\n\n"
                         "'Yes' to save it, 'No' to discard changes, or 'Cancel' closing";
    QTest::newRow("unsaved, yes") << false << false << int(QMessageBox::Yes) << discard << true
                                  << false;
    QTest::newRow("unsaved, no") << false << false << int(QMessageBox::No) << discard << false
                                 << false;
    QTest::newRow("changed, yes") << true << true << int(QMessageBox::Yes) << save << true << true;
    QTest::newRow("changed, no") << true << true << int(QMessageBox::No) << save << true << false;
    QTest::newRow("changed, cancel")
        << true << true << int(QMessageBox::Cancel) << save << false << false;
    QTest::newRow("saved, unchanged") << true << false << 0 << QString() << true << false;
}

void TestReturnEditor::closeQuestions()
{
    QFETCH(bool, saved);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closes);
    QFETCH(bool, fileWritten);
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    const QString path = m_fixture->dir() + "/Close.r25";
    if (saved) {
        const QFileInfo file(path);
        editor->setFilePath(&file);
        QString written;
        QCOMPARE(editor->saveToFile(written, true), 0);
    }
    const QByteArray before = readAll(path);
    if (changed)
        changeEmail(editor, "new@example.invalid");
    if (answer != 0)
        m_presenter->queueAnswer(QMessageBox::StandardButton(answer));
    QString closedPath;
    QCOMPARE(editor->confirmClose(closedPath), closes);
    QCOMPARE(m_presenter->shownTexts(), question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(readAll(path) != before, fileWritten);
    // A closing editor has put its pages away; one that stays keeps them.
    QCOMPARE(editor->tabWidget()->count(), closes ? 0 : 5);
}

// ---- pages, help and tips

void TestReturnEditor::fontChangeRebuildsPages()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    editor->tabWidget()->setCurrentIndex(3);
    const BaseTaxPage *old = editor->pages().first();
    editor->applyFontSize(12);
    QCOMPARE(editor->pages().first(), old);
    QCOMPARE(editor->tabWidget()->currentIndex(), 3);

    editor->applyFontSize(16);
    QVERIFY(editor->pages().first() != old);
    QCOMPARE(editor->pages().size(), 5);
    QCOMPARE(editor->tabWidget()->currentIndex(), 0);
    QCOMPARE(editor->pages().first()->styleSheet(), pageStyleSheet(16, false));
    QVERIFY(editor->folderView()->styleSheet().contains("font-size: 16pt;"));

    // Re-selecting the item on screen rebuilds nothing.
    const BaseTaxPage *page = editor->pages().first();
    editor->folderView()->clearSelection();
    editor->folderView()->selectEntry(FolderView::KindForm, 0);
    QCOMPARE(editor->pages().first(), page);
}

// Each T1 tab makes its rows when it is first shown: it shows the return's values as they are
// then, and what is typed there reaches the return and its recalculation.
void TestReturnEditor::t1TabShownLaterBindsItsFields_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("field");
    // Put into the return after the open, before the tab first shows (none for the tab on
    // screen at the open).
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("presetShown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    // Whether the typed value moves the balance.
    QTest::addColumn<bool>("movesBalance");
    QTest::newRow("Identification") << 0 << "firstName" << QString() << QString() << "Robin"
                                    << "Robin" << false;
    QTest::newRow("Income") << 1 << "12800"
                            << "222"
                            << "222.00"
                            << "1234.5"
                            << "1234.50" << true;
    QTest::newRow("Deductions") << 2 << "22100"
                                << "310"
                                << "310.00"
                                << "2500"
                                << "2500.00" << true;
    QTest::newRow("Credits and Tax") << 3 << "politicalContributions"
                                     << "75"
                                     << "75.00"
                                     << "400"
                                     << "400.00" << true;
    QTest::newRow("Refund or Balance") << 4 << "taxInstalmentsPaid"
                                       << "125"
                                       << "125.00"
                                       << "750"
                                       << "750.00" << true;
}

void TestReturnEditor::t1TabShownLaterBindsItsFields()
{
    QFETCH(int, tab);
    QFETCH(QString, field);
    QFETCH(QString, preset);
    QFETCH(QString, presetShown);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, movesBalance);
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    TaxData_T1New *t1 = t1Of(family->taxpayer());
    QCOMPARE(editor->currentForm(), static_cast<CTaxData_Form *>(t1));
    QTabWidget *tabs = editor->tabWidget();
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->currentIndex(), 0);
    // The pages as the tabs hold them (asking the editor for its pages completes them all).
    const auto pageAt = [tabs](int i) {
        auto *scroll = qobject_cast<ScrollTaxForm *>(tabs->widget(i));
        return scroll ? qobject_cast<BaseTaxPage *>(scroll->getCtntWgt()) : nullptr;
    };
    BaseTaxPage *page = pageAt(tab);
    QVERIFY(page);
    const QByteArray name = field.toLatin1();
    CField *target = t1->findField(name);
    QVERIFY(target);
    // Only the tab on screen has its rows.
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(pageAt(i)->isSynced(), i == 0);
        QCOMPARE(pageAt(i)->findChildren<QLineEdit *>().isEmpty(), i != 0);
    }
    if (!preset.isEmpty()) {
        static_cast<CFloatField *>(target)->setValue(preset.toDouble());
        QCOMPARE(target->toText(), presetShown);
    }

    tabs->setCurrentIndex(tab);
    QVERIFY(page->isSynced());
    QVERIFY(page->isVisible());
    auto *edit = page->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QVERIFY(edit->isVisible());
    QVERIFY(edit->width() > 0);
    QCOMPARE(page->binder().fieldOf(edit), target);
    if (!preset.isEmpty())
        QCOMPARE(edit->text(), presetShown);
    // Every widget of the page shows its field's value: storing them all changes nothing.
    QVERIFY(page->binder().count() > 0);
    QVERIFY(!page->binder().storeAll());
    // The other tabs still wait.
    for (int i = 1; i < tabs->count(); ++i)
        QCOMPARE(pageAt(i)->isSynced(), i == tab);

    double balanceBefore = 0, spouseBalance = 0, totalBefore = 0;
    family->getBalanceAmounts(balanceBefore, spouseBalance, totalBefore);
    QVERIFY(!editor->isModified() || !preset.isEmpty());
    typeInto(editor, name.constData(), typed);
    QCOMPARE(target->toText(), stored);
    QVERIFY(editor->isModified());
    double balanceAfter = 0, totalAfter = 0;
    family->getBalanceAmounts(balanceAfter, spouseBalance, totalAfter);
    QCOMPARE(qAbs(balanceAfter - balanceBefore) >= 0.01, movesBalance);
    QCOMPARE(resultLines(editor), balanceTexts(family));
    // Shown again later, the tab keeps its rows and shows the recalculated values.
    tabs->setCurrentIndex(tab == 0 ? 1 : 0);
    tabs->setCurrentIndex(tab);
    QCOMPARE(page->findChild<QLineEdit *>(field), edit);
    QVERIFY(!page->binder().storeAll());
    // Asking the editor for its pages completes those never shown, with the return's values.
    for (BaseTaxPage *p : editor->pages()) {
        QVERIFY(p->isSynced());
        QVERIFY(p->binder().count() > 0);
        QVERIFY(!p->binder().storeAll());
    }
}

void TestReturnEditor::quickHelpAndNotes()
{
    FamilyTaxData *family = EditorFixture::singleReturn();
    Form_Return *editor = openEditor(family);
    FolderView *tree = editor->folderView();
    tree->setCurrentItem(tree->startSection());
    QCOMPARE(editor->currentForm(), nullptr);
    QCOMPARE(editor->pages().size(), 0);
    QCOMPARE(editor->tabWidget()->count(), 1);
    QCOMPARE(editor->tabWidget()->tabText(0), QString("Quick Help"));
    auto *scroll = qobject_cast<ScrollTaxForm *>(editor->tabWidget()->widget(0));
    auto *browser = qobject_cast<QTextBrowser *>(scroll->getCtntWgt());
    const QString help = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../help");
    QCOMPARE(browser->source(), QUrl::fromLocalFile(help + "/qrvn_start.html"));
    QVERIFY(browser->toPlainText().contains("Welcome to your return."));
    QCOMPARE(editor->findChild<QLabel *>("lblFormDesc")->text(), QString());
    // With nothing to commit no recalculation runs.
    editor->commitCurrentPage();

    tree->setCurrentItem(tree->noteSection());
    QCOMPARE(editor->tabWidget()->tabText(0), QString("Quick Help"));

    tree->setCurrentItem(tree->noteSection()->child(0));
    QCOMPARE(editor->findChild<QLabel *>("lblFormDesc")->text(), QString("Tax Note"));
    QCOMPARE(editor->tabWidget()->count(), 1);
    QVERIFY(editor->currentForm());
}

void TestReturnEditor::treeToolTipOnlyWhenCut()
{
    Form_Return *editor = openEditor(EditorFixture::singleReturn());
    FolderView *tree = editor->folderView();
    editor->splitter()->setSizes({120, 1000});
    QTreeWidgetItem *shortItem = tree->startSection();
    QTreeWidgetItem *longItem = tree->formSection()->child(0);
    longItem->setText(0, "A very long caption that cannot fit in a narrow tree pane at all");
    QApplication::processEvents();

    const auto tipAt = [tree](QTreeWidgetItem *item) {
        QToolTip::hideText();
        const QPoint pos = tree->visualItemRect(item).center();
        QHelpEvent event(QEvent::ToolTip, pos, tree->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(tree->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(shortItem), QString());
    QCOMPARE(tipAt(longItem), longItem->text(0));
}

void TestReturnEditor::treeRowsKeepTheirOwnHeight_data()
{
    QTest::addColumn<QString>("fontSize");
    QTest::addColumn<int>("height");
    // The sheet's item height with its padding and dotted bottom line, whatever the font.
    QTest::newRow("8 pt") << "8" << 27;
    QTest::newRow("12 pt") << "12" << 27;
    QTest::newRow("20 pt") << "20" << 27;
}

// Every row is drawn as high as its own item asks, the bold section rows and the long lists
// of slips and forms alike.
void TestReturnEditor::treeRowsKeepTheirOwnHeight()
{
    QFETCH(QString, fontSize);
    QFETCH(int, height);
    appInstance()->config.FontSize = fontSize;
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(12, 4));
    FolderView *tree = editor->folderView();
    QApplication::processEvents();
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.widget = tree;
    option.font = tree->font();
    int rows = 0;
    QList<QModelIndex> pending{QModelIndex()};
    QAbstractItemModel *model = tree->model();
    while (!pending.isEmpty()) {
        const QModelIndex parent = pending.takeFirst();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const int own = tree->itemDelegate()->sizeHint(option, index).height();
            const int drawn = tree->visualRect(index).height();
            if (own != height || drawn != height)
                QFAIL(qPrintable(QString("%1: %2 asked, %3 drawn")
                                     .arg(index.data().toString())
                                     .arg(own)
                                     .arg(drawn)));
            pending.append(index);
            ++rows;
        }
    }
    QCOMPARE(rows, 6 + 12 + tree->formSection()->childCount() +
                       tree->wizardSection()->childCount() + tree->noteSection()->childCount());
}

QV_TEST_MAIN(TestReturnEditor)
#include "tst_ReturnEditor.moc"
