// The main window: titles, the return commands' states, editions, the font size, open returns,
// the Windows menu, closing and the tree's context menus.
#include "EditorFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ui/ActionShowReturn.h"
#include "ui/EditorRules.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/ViewIntroduction.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>

namespace {

const char *const kReturnCommands[] = {
    "actionSave_Return",
    "actionClose_Return",
    "actionDe_Couple_Return_1to2",
    "actionSet_Return_for_ReFile",
    "actionAdd_T3_slip",
    "actionAdd_T4_slip",
    "actionAdd_T5_slip",
    "actionShare_Form_to_Spouse",
    "actionAdd_a_Tax_Form",
    "actionAdd_a_tax_note",
    "actionArrange_Order_of_Tax_Forms",
    "actionTax_Planning",
    "actionOptimize",
    "actionValidate_Return",
    "actionGenerate_Print_pdf_Files",
    "actionInternetFiling",
    "actionSend_Return_File_to_Quorvandelle",
};

QStringList windowEntries(MainWindow *w)
{
    auto *menu = w->findChild<QMenu *>("menuWindows");
    QStringList texts;
    for (QAction *a : menu->actions())
        texts.append(a->text());
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void titlesAndCommandStates();
    void hiddenEntriesAndEditionTexts_data();
    void hiddenEntriesAndEditionTexts();
    void menusAndToolBar();
    void fontSizeSetting_data();
    void fontSizeSetting();
    void largerFontHasNoBound();
    void thirdReturnRefused();
    void windowsMenuAndClosingOneOfTwo();
    void closeEventDealsWithOneModifiedReturn();
    void quitAsksAsClosingDoes_data();
    void quitAsksAsClosingDoes();
    void contextMenus_data();
    void contextMenus();
    void commandsNotInThisBuild();
    void maximizeViewText();
    void generatePrintFilesEntry();

private:
    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    appInstance()->config.FontSize = "12";
    appInstance()->runPath = m_fixture->dir() + "/run";
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
}

void TestMainWindow::titlesAndCommandStates()
{
    MainWindow *w = m_fixture->window();
    QCOMPARE(w->windowTitle(), QString("%1 - Release date: 2026-03-03").arg(appTitle));
    QCOMPARE(w->statusTextLabel()->text(), QString());
    for (const char *name : kReturnCommands)
        QVERIFY2(!m_fixture->action(name)->isEnabled(), name);
    // The other entries keep their state: on the start page they do nothing.
    QVERIFY(m_fixture->action("actionAdd_T4A_slip")->isEnabled());
    QVERIFY(m_fixture->action("actionRemove_Selected_Slip")->isEnabled());
    m_fixture->action("actionAdd_T4A_slip")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList());

    FamilyTaxData *family = EditorFixture::singleReturn();
    QCOMPARE(w->addReturnPage(nullptr, family), 0);
    QCOMPARE(w->windowTitle(), QString("%1 - Untitled (unsaved)").arg(appTitle));
    for (const char *name : kReturnCommands)
        QVERIFY2(m_fixture->action(name)->isEnabled(), name);
    QCOMPARE(w->statusTextLabel()->text(), QString(family->getPersonIncomeSummary()));
    QCOMPARE(windowEntries(w), (QStringList{"Welcome", "Return 1 - Untitled (unsaved)"}));

    m_fixture->action("actionWelcome")->trigger();
    QCOMPARE(w->windowTitle(), QString("%1 - Release date: 2026-03-03").arg(appTitle));
    QCOMPARE(w->statusTextLabel()->text(), QString());
    QVERIFY(!m_fixture->action("actionSave_Return")->isEnabled());
}

void TestMainWindow::hiddenEntriesAndEditionTexts_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("filingText");
    QTest::addColumn<QString>("filingIconText");
    QTest::addColumn<bool>("padInMenu");
    QTest::newRow("EFILE") << 1 << "EFile to CRA"
                           << "EFile Return" << true;
    QTest::newRow("NETFILE") << 2 << "NetFile to CRA"
                             << "NetFile Return" << false;
}

void TestMainWindow::hiddenEntriesAndEditionTexts()
{
    QFETCH(int, edition);
    const unsigned char saved = AppEdition;
    AppEdition = static_cast<unsigned char>(edition);
    MainWindow *w = m_fixture->window();
    AppEdition = saved;
    QTEST(m_fixture->action("actionInternetFiling")->text(), "filingText");
    QTEST(m_fixture->action("actionInternetFiling")->iconText(), "filingIconText");
    auto *filing = w->findChild<QMenu *>("menuFiling_Print");
    QTEST(filing->actions().contains(m_fixture->action("actionSubmit_PAD_Pre_authorized_Debit")),
          "padInMenu");
    const char *hidden[] = {"actionSubmit_PAD_Pre_authorized_Debit",
                            "actionSend_T183_for_E_Signature", "actionSend_RC71_for_E_Signature"};
    for (int shown = 0; shown < 2; ++shown) {
        if (shown == 1)
            w->addReturnPage(nullptr, EditorFixture::singleReturn());
        for (const char *name : hidden) {
            QVERIFY2(!m_fixture->action(name)->isVisible(), name);
            QVERIFY2(!m_fixture->action(name)->isEnabled(), name);
        }
    }
}

void TestMainWindow::menusAndToolBar()
{
    MainWindow *w = m_fixture->window();
    QStringList titles;
    for (QAction *a : w->menuBar()->actions())
        titles.append(a->text());
    QCOMPARE(titles, (QStringList{"Start", "Slips/Notes", "Forms", "View", "Windows",
                                  "Planning/Optimize", "Filing/Print", "Help/License"}));
    auto *bar = w->findChild<QToolBar *>("toolBar");
    QStringList tools;
    for (QAction *a : bar->actions()) {
        tools.append(a->isSeparator() ? QString("|") : a->iconText());
        if (!a->isSeparator())
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    }
    QCOMPARE(tools,
             (QStringList{"&New", "&Open", "&Import", "&Find Return", "&Save", "&Close", "&Toggle",
                          "&Optimize", "|", "+&Form", "&Validate", "NetFile Return",
                          "Generate &Print", "|", "&Preference", "&About"}));
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(m_fixture->action("actionAbout_Quorvandelle"));
    QVERIFY(m_fixture->action("actionSend_Return_File_to_Quorvandelle"));
    QCOMPARE(w->generatePrintFilesAction(), nullptr);
}

void TestMainWindow::fontSizeSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");
    QTest::newRow("22") << "22" << 12;
    QTest::newRow("5") << "5" << 12;
    QTest::newRow("x") << "x" << 12;
    QTest::newRow("empty") << "" << 12;
    QTest::newRow("6") << "6" << 6;
    QTest::newRow("20") << "20" << 20;
}

void TestMainWindow::fontSizeSetting()
{
    QFETCH(QString, stored);
    QFETCH(int, size);
    QCOMPARE(fontSizeFromSetting(stored), size);
    appInstance()->config.FontSize = stored;
    QCOMPARE(m_fixture->window()->fontSize(), size);
}

void TestMainWindow::largerFontHasNoBound()
{
    appInstance()->config.FontSize = "20";
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    m_fixture->action("actionLarge")->trigger();
    QCOMPARE(w->fontSize(), 22);
    QCOMPARE(QString(appInstance()->config.FontSize), QString("22"));
    QCOMPARE(w->shownEditor()->fontSize(), 22);
    m_fixture->action("actionSmall")->trigger();
    m_fixture->action("actionSmall")->trigger();
    QCOMPARE(w->fontSize(), 18);
    QCOMPARE(QString(appInstance()->config.FontSize), QString("18"));
}

void TestMainWindow::thirdReturnRefused()
{
    MainWindow *w = m_fixture->window();
    QVERIFY(w->canOpenAnotherReturn());
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    QVERIFY(w->canOpenAnotherReturn());
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    Form_Return *shown = w->shownEditor();
    QVERIFY(!w->canOpenAnotherReturn());
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Maximum number of returns are opened already. Please click 'Close' "
                         "button on top to close a return first!"});
    QCOMPARE(m_presenter->shown().first().parent, static_cast<QWidget *>(w));
    QCOMPARE(w->openReturnCount(), 2);
    QCOMPARE(w->pages()->count(), 5);
    QCOMPARE(w->shownEditor(), shown);
}

void TestMainWindow::windowsMenuAndClosingOneOfTwo()
{
    MainWindow *w = m_fixture->window();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *first = w->shownEditor();
    w->addReturnPage(nullptr, EditorFixture::coupledReturn());
    Form_Return *second = w->shownEditor();
    QCOMPARE(windowEntries(w), (QStringList{"Welcome", "Return 1 - Untitled (unsaved)",
                                            "Return 2 - Untitled (unsaved)"}));
    QCOMPARE(first->showAction()->objectName(), QString("Return 1"));

    first->showAction()->trigger();
    QCOMPARE(w->shownEditor(), first);

    // A never-saved return asks to discard it; No keeps it open.
    m_presenter->queueAnswer(QMessageBox::No);
    m_fixture->action("actionClose_Return")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"You haven't save this return file, confirm 'Yes' to discard this "
                         "return file?"});
    QCOMPARE(w->shownEditor(), first);
    QCOMPARE(w->openReturnCount(), 2);

    m_presenter->queueAnswer(QMessageBox::Yes);
    m_fixture->action("actionClose_Return")->trigger();
    QCOMPARE(w->openReturnCount(), 1);
    QCOMPARE(w->shownEditor(), second);
    QCOMPARE(windowEntries(w), (QStringList{"Welcome", "Return 2 - Untitled (unsaved)"}));
    QCOMPARE(w->windowTitle(), QString("%1 - Untitled (unsaved)").arg(appTitle));

    // The count also numbers the next editor: a return opened now is number 2 as well.
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    QCOMPARE(w->shownEditor()->returnLabel(), QString("Return 2"));
    m_presenter->queueAnswer(QMessageBox::Yes);
    m_fixture->action("actionClose_Return")->trigger();
    QCOMPARE(w->shownEditor(), second);
    m_presenter->queueAnswer(QMessageBox::Yes);
    m_fixture->action("actionClose_Return")->trigger();
    QCOMPARE(w->shownEditor(), nullptr);
    QCOMPARE(w->pages()->currentWidget(), static_cast<QWidget *>(w->startPage()));
    QCOMPARE(w->windowTitle(), QString("%1 - Release date: 2026-03-03").arg(appTitle));
}

void TestMainWindow::closeEventDealsWithOneModifiedReturn()
{
    MainWindow *w = m_fixture->window();
    w->show();
    // Two saved returns, both changed after the save.
    QList<Form_Return *> editors;
    for (const char *name : {"a.r25", "b.r25"}) {
        w->addReturnPage(nullptr, EditorFixture::singleReturn());
        Form_Return *editor = w->shownEditor();
        const QFileInfo file(m_fixture->dir() + "/" + name);
        editor->setFilePath(&file);
        QString path;
        QCOMPARE(editor->saveToFile(path, true), 0);
        changeEmail(editor, "changed@example.invalid");
        QVERIFY(editor->isModified());
        editors.append(editor);
    }
    m_fixture->action("actionWelcome")->trigger();

    const QString question = "Do you want to save changed data to return file before closing?"
                             "\n\n'Yes' to save it, 'No' to discard changes, or 'Cancel' closing";
    m_presenter->queueAnswer(QMessageBox::No);
    QVERIFY(!w->close());
    QCOMPARE(m_presenter->shownTexts(), QStringList{question});
    QCOMPARE(w->openReturnCount(), 1);
    QCOMPARE(w->shownEditor(), editors[1]);

    m_presenter->clear();
    m_presenter->queueAnswer(QMessageBox::Cancel);
    QVERIFY(!w->close());
    QCOMPARE(m_presenter->shownTexts(), QStringList{question});
    QCOMPARE(w->openReturnCount(), 1);

    m_presenter->clear();
    m_presenter->queueAnswer(QMessageBox::No);
    QVERIFY(!w->close());
    QCOMPARE(w->openReturnCount(), 0);

    m_presenter->clear();
    QVERIFY(w->close());
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestMainWindow::quitAsksAsClosingDoes_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("openAfter");
    QTest::addColumn<bool>("ended");
    QTest::newRow("changed, Cancel") << true << int(QMessageBox::Cancel) << true << 1 << false;
    QTest::newRow("changed, No") << true << int(QMessageBox::No) << true << 0 << false;
    QTest::newRow("unchanged") << false << int(QMessageBox::NoButton) << false << 1 << true;
}

void TestMainWindow::quitAsksAsClosingDoes()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    MainWindow *w = m_fixture->window();
    w->show();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    Form_Return *editor = w->shownEditor();
    const QFileInfo file(m_fixture->dir() + "/quit.r25");
    editor->setFilePath(&file);
    QString path;
    QCOMPARE(editor->saveToFile(path, true), 0);
    if (changed)
        changeEmail(editor, "changed@example.invalid");
    m_presenter->clear();
    if (answer != QMessageBox::NoButton)
        m_presenter->queueAnswer(QMessageBox::StandardButton(answer));
    m_fixture->action("actionQuit")->trigger();
    const QString question = "Do you want to save changed data to return file before closing?"
                             "\n\n'Yes' to save it, 'No' to discard changes, or 'Cancel' closing";
    QFETCH(bool, asked);
    QCOMPARE(m_presenter->shownTexts(), asked ? QStringList{question} : QStringList());
    QTEST(w->openReturnCount(), "openAfter");
    // The program ends only when the window really closed; Cancel keeps it running.
    QTEST(!w->isVisible(), "ended");
    if (changed && answer == QMessageBox::Cancel)
        QVERIFY(editor->isModified());
}

void TestMainWindow::contextMenus_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("slips section")
        << 0 << QStringList{"actionAdd_T3_slip",      "actionAdd_T4_slip",
                            "actionAdd_T4A_slip",     "actionAdd_T4A_P_slip",
                            "actionAdd_T4A_OAS_slip", "actionAdd_T4A_RCA_slip",
                            "actionAdd_T4E_slip",     "actionAdd_T4FHSA_slip",
                            "actionAdd_T4PS_slip",    "actionAdd_T4RIF_slip",
                            "actionAdd_T4RSP_slip",   "actionAdd_T5_slip",
                            "actionAdd_T5003_slip",   "actionAdd_T5006_slip",
                            "actionAdd_T5007",        "actionAdd_T5008_slip",
                            "actionAdd_T5013_slip",   "actionAdd_RC62_slip",
                            "actionAdd_RC210_slip",   "actionAdd_NR4_slip",
                            "actionAdd_PRPP_slip",    "actionAdd_T1204_slip",
                            "actionAdd_T2202_slip",   "actionAdd_Manitoba_shelter_benefit_slip"};
    QTest::newRow("slip") << 1
                          << QStringList{"actionRemove_Selected_Slip",
                                         "actionShare_slip_with_spouse",
                                         "actionUn_share_slip_with_spouse"};
    QTest::newRow("forms section") << 10 << QStringList{"actionAdd_a_Tax_Form"};
    QTest::newRow("form") << 11
                          << QStringList{"actionRemove_Selected_Form_Schedule",
                                         "actionShare_Form_to_Spouse",
                                         "actionUn_share_form_with_spouse"};
    QTest::newRow("notes section") << 20 << QStringList{"actionAdd_a_tax_note"};
    QTest::newRow("note") << 21 << QStringList{"actionRemove_Selected_Slip"};
    QTest::newRow("other") << 99 << QStringList();
}

void TestMainWindow::contextMenus()
{
    QFETCH(int, kind);
    QFETCH(QStringList, actions);
    QMenu menu;
    m_fixture->window()->addContextMenuActions(kind, &menu);
    QStringList names;
    for (QAction *a : menu.actions()) {
        names.append(a->objectName());
        // The menu's own objects: the same slot and the same state.
        QCOMPARE(a, m_fixture->action(qPrintable(a->objectName())));
    }
    QCOMPARE(names, actions);
}

void TestMainWindow::commandsNotInThisBuild()
{
    MainWindow *w = m_fixture->window();
    m_fixture->action("actionAdd_T4_slip")->trigger();
    m_fixture->action("actionGenerate_Print_pdf_Files")->trigger();
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    // New Return needs the wizard library, which this test does not link.
    m_fixture->action("actionNew")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"New Return is not available in this build yet."});

    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    FamilyTaxData *family = w->shownEditor()->family();
    const int slips = family->taxpayer()->m_slipList.size();
    m_presenter->clear();
    m_fixture->action("actionTax_Planning")->trigger();
    m_fixture->action("actionInternetFiling")->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             (QStringList{"Tax Planning is not available in this build yet.",
                          "NetFile to CRA is not available in this build yet."}));
    QCOMPARE(family->taxpayer()->m_slipList.size(), slips);
    QVERIFY(!w->shownEditor()->isModified());
}

void TestMainWindow::maximizeViewText()
{
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->addReturnPage(nullptr, EditorFixture::singleReturn());
    QAction *toggle = m_fixture->action("actionMaximize_View");
    toggle->trigger();
    QCOMPARE(toggle->text(), QString("Restore View"));
    // The pane's own minimum width stops it there.
    QCOMPARE(w->shownEditor()->findChild<QSplitter *>("splitter")->sizes().value(0), 10);
    toggle->trigger();
    QCOMPARE(toggle->text(), QString("Maximize View"));
    QCOMPARE(toggle->iconText(), QString("&Toggle"));
}

void TestMainWindow::generatePrintFilesEntry()
{
    appInstance()->config.EnableGenPrint = true;
    MainWindow *w = m_fixture->window();
    appInstance()->config.EnableGenPrint = false;
    QAction *entry = w->generatePrintFilesAction();
    QVERIFY(entry);
    auto *help = w->findChild<QMenu *>("menuHelp_License");
    QCOMPARE(help->actions().last(), entry);
    QCOMPARE(entry->text(), QString("Generate Print Files"));
    // No return is needed; the developer files are not in this build.
    m_presenter->queueAnswer(QMessageBox::Yes);
    entry->trigger();
    QCOMPARE(m_presenter->shownTexts(),
             (QStringList{"Creat test data file?",
                          "Generate Print Files is not available in this build yet."}));
}

QV_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
