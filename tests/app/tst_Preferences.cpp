// Preferences dialog: form, fields to and from the settings, Apply, Cancel, Escape and close,
// the EFiler password field with its confirmation dialog, and the Varnexa account check.
#include <QtTest>

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "LocalServer.h"
#include "ModalDriver.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "app/dialogs/PasswordConfirmDlg.h"
#include "app/dialogs/PreferenceDlg.h"
#include "ordane/MsgBox.h"

namespace {

template <typename T> T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QLineEdit *edit(QWidget &dialog, const char *name)
{
    return child<QLineEdit>(dialog, name);
}
QAbstractButton *button(QWidget &dialog, const char *name)
{
    return child<QAbstractButton>(dialog, name);
}

// Puts the application's configuration back to its built-in defaults, as at a start.
void resetConfig()
{
    appInstance()->config.restoreDefaults();
}

// One key press event. QTest's key clicks press each modifier on its own first, and in the
// EFiler password field a lone modifier opens the confirmation dialog.
void pressKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

int configRowCount()
{
    QSqlQuery q("select count(*) from tb_config");
    return q.next() ? q.value(0).toInt() : -1;
}

CString stored(const char *key)
{
    CString value = "<none>";
    CSqliteDBManager::getConfig(key, value);
    return value;
}

// Acts on each PasswordConfirmDlg that a key press opens; without a queued action the dialog
// is rejected. Polls from the event loop, so the dialog's own loop drives it.
class ConfirmDriver : public QObject
{
public:
    using Action = std::function<void(PasswordConfirmDlg *, QList<QLineEdit *>)>;

    ConfirmDriver()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ConfirmDriver::poll);
        m_timer.start();
    }
    void queue(const Action &action) { m_actions.append(action); }
    // Types the two entries and presses OK.
    void queueEntries(const QString &first, const QString &second)
    {
        queue([first, second](PasswordConfirmDlg *dlg, QList<QLineEdit *> edits) {
            edits[0]->setText(first);
            edits[1]->setText(second);
            okButton(dlg)->click();
        });
    }
    static QPushButton *okButton(PasswordConfirmDlg *dlg)
    {
        return dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    }
    int opened() const { return m_opened; }
    QStringList titles;

private:
    void poll()
    {
        auto *dlg = qobject_cast<PasswordConfirmDlg *>(QApplication::activeModalWidget());
        if (!dlg || dlg == m_last)
            return;
        m_last = dlg;
        ++m_opened;
        titles.append(dlg->windowTitle());
        const QList<QLineEdit *> edits = dlg->findChildren<QLineEdit *>();
        if (m_actions.isEmpty())
            dlg->reject();
        else
            m_actions.takeFirst()(dlg, edits);
        if (dlg->isVisible()) // an action that left it open
            dlg->reject();
    }

    QTimer m_timer;
    QList<Action> m_actions;
    QPointer<PasswordConfirmDlg> m_last;
    int m_opened = 0;
};

// A shown dialog whose EFiler password field holds "Old".
struct PasswordFixture
{
    PasswordFixture()
    {
        appInstance()->config.BusinessEFilePassword = "Old";
        dlg.reset(new PreferenceDlg);
        dlg->show();
        field = edit(*dlg, "edtEFilerPswd");
    }
    std::unique_ptr<PreferenceDlg> dlg;
    QLineEdit *field = nullptr;
};

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void form();
    void fieldsShownAndApplied();
    void appliedValuesShowOnNextOpening();
    void closingWithoutApply_data();
    void closingWithoutApply();
    void choicesAndFlags();
    void testingModeHidesCompatibility();
    void folderPicker();
    void passwordKeysOpenConfirmation_data();
    void passwordKeysOpenConfirmation();
    void passwordCancelAndClear();
    void passwordMismatch();
    void passwordFieldSwallowsPasteAndMenu();
    void passwordFieldTabMovesFocus();
    void passwordCancelledDialogDiscardsIt();
    void checkPoints_data();
    void checkPoints();
    void checkPointsAtMostThree();
    void checkPointsBounded();
    void checkPointsInTestingMode();
    void checkPointsRefusesBadInput_data();
    void checkPointsRefusesBadInput();
    void splitString_data();
    void splitString();

private:
    void setConfig();
    // A local service answering every account check with 4 points; VarnexaServer names it.
    bool startPointsService();

    QScopedPointer<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<LocalServer> m_server;
};

void TestPreferences::init()
{
    m_dir.reset(new QTemporaryDir);
    TabWndApp *app = appInstance();
    QCOMPARE(app->openDatabase(m_dir->path()), OpenDatabaseResult::Open);
    resetConfig();
    app->config.setDefaultServers();
    m_presenter = std::make_unique<ScriptedPresenter>();
}

void TestPreferences::cleanup()
{
    m_presenter.reset();
    m_server.reset();
}

void TestPreferences::setConfig()
{
    CT1AppConfig &c = appInstance()->config;
    c.RetPath = "/data/returns";
    c.RetPdfPath = "/data/pdf";
    c.PdfPathSameAsRet = 1;
    c.CompabEnable = 1;
    c.CompabWord = "trial-word";
    c.BusinessName = "Ledger & Co";
    c.BusinessAddr = "1 Main St";
    c.BusinessCity = "Ottawa";
    c.BusinessProv = "ON";
    c.BusinessPostcode = "K1A 0A1";
    c.BusinessPhone = "(613)555-0101";
    c.BusinessEFileNum = "A1234";
    c.BusinessEFilePassword = "Secret";
    c.DiscounterCode = "D9";
    c.PreAssessment = 0;
    c.PostAssessment = 1;
    c.PrntClientLetter = 1;
    c.SaveBackup = 0;
    c.FilingReport = true;
    c.CustomizedClientLetter = false;
    c.VarnexaEmail = "ann@example.invalid";
    c.VarnexaPswd = "vx-pass";
    c.VXFromEmail = "office@example.invalid";
}

void TestPreferences::form()
{
    PreferenceDlg dlg;
    QCOMPARE(dlg.windowTitle(), QString("Preference"));
    QCOMPARE(dlg.objectName(), QString("PreferenceDlg"));
    QCOMPARE(dlg.size(), QSize(799, 626));
    QCOMPARE(dlg.font().pointSize(), 12);
    auto *tabs = child<QTabWidget>(dlg, "tabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
             (QStringList{"Folder settings", "Tax preparer info.", "Varnexa"}));
    QCOMPARE((QStringList{tabs->widget(0)->objectName(), tabs->widget(1)->objectName(),
                          tabs->widget(2)->objectName()}),
             (QStringList{"tabFolders", "tabEFiler", "tabVarnexa"}));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!tabs->usesScrollButtons());
    QCOMPARE(button(dlg, "btnApply")->text(), QString("Apply Changes"));
    QCOMPARE(button(dlg, "btnCancel")->text(), QString("Cancel"));
    QCOMPARE(button(dlg, "btnCheckPoints")->text(), QString("Check points"));
    QCOMPARE(edit(dlg, "edtEFilerPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
    QCOMPARE(edit(dlg, "edtUserPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
    QCOMPARE(button(dlg, "rdoPreAssessPreparer")->group()->objectName(),
             QString("buttonGroupPreAssess"));
    QCOMPARE(button(dlg, "rdoPostAssessTaxPayer")->group()->objectName(),
             QString("buttonGroupPostAssess"));
    QCOMPARE(button(dlg, "rdoPostAssessTaxPayer")->group()->parent(), &dlg);

    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.size(), QSize(799, 626));
    // Keyboard order of the preparer tab.
    tabs->setCurrentIndex(1);
    const QStringList order = {"edtBusiName",
                               "edtStreetAddr",
                               "edtCity",
                               "edtPostcode",
                               "edtProv",
                               "edtPhone",
                               "chkInclClientLetter",
                               "edtEFilerID",
                               "edtEFilerPswd",
                               "edtDiscounterID",
                               "rdoPreAssessPreparer",
                               "rdoPreAssessTaxPayer",
                               "rdoPostAssessPreparer",
                               "rdoPostAssessTaxPayer"};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget *next = dlg.findChild<QWidget *>(order[i])->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), order[i + 1]);
    }
}

void TestPreferences::fieldsShownAndApplied()
{
    setConfig();
    PreferenceDlg dlg;
    const QStringList shown = {edit(dlg, "edtFolderRetFiles")->text(),
                               edit(dlg, "edtFolderPdfFiles")->text(),
                               edit(dlg, "lineEditCompatibility")->text(),
                               edit(dlg, "edtBusiName")->text(),
                               edit(dlg, "edtStreetAddr")->text(),
                               edit(dlg, "edtCity")->text(),
                               edit(dlg, "edtProv")->text(),
                               edit(dlg, "edtPostcode")->text(),
                               edit(dlg, "edtPhone")->text(),
                               edit(dlg, "edtEFilerID")->text(),
                               edit(dlg, "edtEFilerPswd")->text(),
                               edit(dlg, "edtDiscounterID")->text(),
                               edit(dlg, "edtUserEmail")->text(),
                               edit(dlg, "edtUserPswd")->text(),
                               edit(dlg, "edtFromEmail")->text()};
    QCOMPARE(shown,
             (QStringList{"/data/returns", "/data/pdf", "trial-word", "Ledger & Co", "1 Main St",
                          "Ottawa", "ON", "K1A 0A1", "(613)555-0101", "A1234", "Secret", "D9",
                          "ann@example.invalid", "vx-pass", "office@example.invalid"}));
    const QList<bool> checks = {button(dlg, "chkPdfSavedWithRet")->isChecked(),
                                button(dlg, "chkTestCompatiblity")->isChecked(),
                                button(dlg, "rdoPreAssessPreparer")->isChecked(),
                                button(dlg, "rdoPreAssessTaxPayer")->isChecked(),
                                button(dlg, "rdoPostAssessPreparer")->isChecked(),
                                button(dlg, "rdoPostAssessTaxPayer")->isChecked(),
                                button(dlg, "chkInclClientLetter")->isChecked(),
                                button(dlg, "chkSaveBakFile")->isChecked(),
                                button(dlg, "chkFilingReport")->isChecked(),
                                button(dlg, "chkCustomizedClientLetter")->isChecked()};
    QCOMPARE(checks, (QList<bool>{true, true, true, false, false, true, true, false, true, false}));
    QCOMPARE(configRowCount(), 0);

    edit(dlg, "edtFolderRetFiles")->setText("/new/returns");
    edit(dlg, "edtBusiName")->setText("New Name");
    edit(dlg, "edtEFilerID")->setText("  B5678 ");
    edit(dlg, "edtUserEmail")->setText("bo@example.invalid");
    button(dlg, "rdoPreAssessTaxPayer")->click();
    button(dlg, "rdoPostAssessPreparer")->click();
    button(dlg, "chkSaveBakFile")->click();
    button(dlg, "chkFilingReport")->click();
    button(dlg, "chkPdfSavedWithRet")->click();
    QSignalSpy finished(&dlg, &QDialog::finished);
    button(dlg, "btnApply")->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    const CT1AppConfig &c = appInstance()->config;
    QCOMPARE(QString(c.RetPath), QString("/new/returns"));
    QCOMPARE(QString(c.BusinessName), QString("New Name"));
    QCOMPARE(QString(c.BusinessEFileNum), QString("B5678")); // trimmed when stored
    QCOMPARE(QString(c.VarnexaEmail), QString("bo@example.invalid"));
    QCOMPARE((QList<int>{c.PreAssessment, c.PostAssessment, c.SaveBackup, c.PdfPathSameAsRet}),
             (QList<int>{1, 0, 1, 0}));
    QCOMPARE(c.FilingReport, false);

    const QStringList keys = {"RetPath",
                              "RetPdfPath",
                              "PdfPathSameAsRet",
                              "CompabEnable",
                              "CompabWord",
                              "BusinessName",
                              "BusinessAddr",
                              "BusinessCity",
                              "BusinessProv",
                              "BusinessPostcode",
                              "BusinessPhone",
                              "BusinessEFileNum",
                              "BusinessEFilePassword",
                              "DiscounterCode",
                              "PreAssessment",
                              "PostAssessment",
                              "PrntClientLetter",
                              "SaveBackup",
                              "FilingReport",
                              "CustomizedClientLetter",
                              "VarnexaEmail",
                              "VarnexaPswd",
                              "VXFromEmail"};
    QStringList values;
    for (const QString &k : keys)
        values.append(stored(k.toUtf8().constData()));
    QCOMPARE(values, (QStringList{"/new/returns",
                                  "/data/pdf",
                                  "0",
                                  "1",
                                  "trial-word",
                                  "New Name",
                                  "1 Main St",
                                  "Ottawa",
                                  "ON",
                                  "K1A 0A1",
                                  "(613)555-0101",
                                  "B5678",
                                  "Secret",
                                  "D9",
                                  "1",
                                  "0",
                                  "1",
                                  "1",
                                  "0",
                                  "0",
                                  "bo@example.invalid",
                                  "vx-pass",
                                  "office@example.invalid"}));
}

void TestPreferences::appliedValuesShowOnNextOpening()
{
    {
        PreferenceDlg dlg;
        edit(dlg, "edtCity")->setText("Hull");
        button(dlg, "chkCustomizedClientLetter")->click();
        button(dlg, "btnApply")->click();
    }
    // As at the next start: the settings rows are read into fresh defaults.
    resetConfig();
    appInstance()->readSettings();
    PreferenceDlg again;
    QCOMPARE(edit(again, "edtCity")->text(), QString("Hull"));
    QVERIFY(button(again, "chkCustomizedClientLetter")->isChecked());
}

void TestPreferences::closingWithoutApply_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window closed") << "close";
}

void TestPreferences::closingWithoutApply()
{
    QFETCH(QString, how);
    setConfig();
    ConfirmDriver driver;
    driver.queueEntries("NewPw", "NewPw");
    {
        PreferenceDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        edit(dlg, "edtBusiName")->setText("Changed");
        button(dlg, "rdoPreAssessTaxPayer")->click();
        button(dlg, "chkFilingReport")->click();
        QTest::keyClick(edit(dlg, "edtEFilerPswd"), Qt::Key_A);
        QCOMPARE(edit(dlg, "edtEFilerPswd")->text(), QString("NewPw"));
        QSignalSpy finished(&dlg, &QDialog::finished);
        if (how == "cancel")
            button(dlg, "btnCancel")->click();
        else if (how == "escape")
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
    const CT1AppConfig &c = appInstance()->config;
    QCOMPARE(QString(c.BusinessName), QString("Ledger & Co"));
    QCOMPARE(QString(c.BusinessEFilePassword), QString("Secret"));
    QCOMPARE(c.PreAssessment, 0);
    QCOMPARE(c.FilingReport, true);
    QCOMPARE(configRowCount(), 0);
    PreferenceDlg again;
    QCOMPARE(edit(again, "edtBusiName")->text(), QString("Ledger & Co"));
    QCOMPARE(edit(again, "edtEFilerPswd")->text(), QString("Secret"));
}

void TestPreferences::choicesAndFlags()
{
    CT1AppConfig &c = appInstance()->config;
    QCOMPARE(c.PreAssessment, -1);
    c.PdfPathSameAsRet = 5;
    c.PostAssessment = 7;
    PreferenceDlg dlg;
    QVERIFY(!button(dlg, "rdoPreAssessPreparer")->isChecked());
    QVERIFY(!button(dlg, "rdoPreAssessTaxPayer")->isChecked());
    QVERIFY(!button(dlg, "rdoPostAssessPreparer")->isChecked());
    QVERIFY(!button(dlg, "rdoPostAssessTaxPayer")->isChecked());
    QVERIFY(button(dlg, "chkPdfSavedWithRet")->isChecked());
    button(dlg, "btnApply")->click();
    QCOMPARE(c.PreAssessment, -1);
    QCOMPARE(c.PostAssessment, 7);
    QCOMPARE(c.PdfPathSameAsRet, 1);
    QCOMPARE(QString(stored("PreAssessment")), QString("-1"));
    QCOMPARE(QString(stored("PdfPathSameAsRet")), QString("1"));

    // Once chosen, the group keeps one button checked.
    PreferenceDlg second;
    button(second, "rdoPreAssessPreparer")->click();
    button(second, "rdoPreAssessTaxPayer")->click();
    button(second, "rdoPreAssessTaxPayer")->click();
    QVERIFY(!button(second, "rdoPreAssessPreparer")->isChecked());
    QVERIFY(button(second, "rdoPreAssessTaxPayer")->isChecked());
}

void TestPreferences::testingModeHidesCompatibility()
{
    CT1AppConfig &c = appInstance()->config;
    c.CompabEnable = 1;
    c.CompabWord = "word";
    c.MODEDEBUG = true;
    c.BusinessEFilePassword = "DbgPw";
    {
        PreferenceDlg dlg;
        QVERIFY(button(dlg, "chkTestCompatiblity")->isHidden());
        QVERIFY(edit(dlg, "lineEditCompatibility")->isHidden());
        button(dlg, "btnApply")->click();
    }
    QCOMPARE(QString(stored("CompabEnable")), QString("1"));
    QCOMPARE(QString(stored("CompabWord")), QString("word"));
    QCOMPARE(QString(stored("BusinessEFilePasswordDbg")), QString("DbgPw"));
    QCOMPARE(QString(stored("BusinessEFilePassword")), QString("<none>"));

    c.EnableGenPrint = true;
    PreferenceDlg shown;
    QVERIFY(!button(shown, "chkTestCompatiblity")->isHidden());
    c.MODEDEBUG = false;
    c.EnableGenPrint = false;
    PreferenceDlg normal;
    QVERIFY(!edit(normal, "lineEditCompatibility")->isHidden());
}

void TestPreferences::folderPicker()
{
    const QString picked = m_dir->filePath("picked");
    QVERIFY(QDir().mkpath(picked));
    appInstance()->config.RetPath = m_dir->path();
    PreferenceDlg dlg;
    dlg.show();
    ModalDriver driver;
    driver.pressButton("Cancel");
    button(dlg, "btnBrowseRetFilesFolder")->click();
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen()[0].title, QString("Select Folder (need write access)"));
    QCOMPARE(edit(dlg, "edtFolderRetFiles")->text(), m_dir->path());

    driver.queue(ModalAction{{{"fileNameEdit", picked}}, {}, "Choose"});
    button(dlg, "btnBrowsePdfFilesFolder")->click();
    QCOMPARE(driver.seen().size(), 2);
    QCOMPARE(edit(dlg, "edtFolderPdfFiles")->text(), QDir::toNativeSeparators(picked));
    QCOMPARE(edit(dlg, "edtFolderRetFiles")->text(), m_dir->path());
}

void TestPreferences::passwordKeysOpenConfirmation_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("letter") << int(Qt::Key_X) << int(Qt::NoModifier);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::newRow("lone Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
    QTest::newRow("lone Control") << int(Qt::Key_Control) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier);
}

void TestPreferences::passwordKeysOpenConfirmation()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    PasswordFixture f;
    PreferenceDlg &dlg = *f.dlg;
    QLineEdit *field = f.field;
    ConfirmDriver driver;
    QSize size;
    QWidget *parent = nullptr;
    driver.queue([&](PasswordConfirmDlg *confirm, QList<QLineEdit *> edits) {
        size = confirm->size();
        parent = confirm->parentWidget();
        QCOMPARE(edits.size(), 2);
        QCOMPARE(edits[0]->text(), QString());
        QCOMPARE(edits[0]->echoMode(), QLineEdit::Normal);
        QCOMPARE(edits[1]->echoMode(), QLineEdit::Normal);
        edits[0]->setText("Pw 1");
        edits[1]->setText("Pw 1");
        ConfirmDriver::okButton(confirm)->click();
    });
    pressKey(field, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(driver.opened(), 1);
    QCOMPARE(driver.titles, QStringList{"Set EFiler Password"});
    QCOMPARE(parent, static_cast<QWidget *>(&dlg));
    QCOMPARE(size.width(), 300);
    QCOMPARE(field->text(), QString("Pw 1")); // the key itself never reached the field
    QCOMPARE(m_presenter->shown().size(), 0);
    QVERIFY(dlg.findChildren<PasswordConfirmDlg *>().isEmpty());
}

void TestPreferences::passwordCancelAndClear()
{
    PasswordFixture f;
    QLineEdit *field = f.field;
    ConfirmDriver driver; // no action: the dialog is cancelled
    QTest::keyClick(field, Qt::Key_Z);
    QCOMPARE(driver.opened(), 1);
    QCOMPARE(field->text(), QString("Old"));
    // Both entries empty clear the field.
    driver.queueEntries("", "");
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(driver.opened(), 2);
    QCOMPARE(field->text(), QString());
}

void TestPreferences::passwordMismatch()
{
    PasswordFixture f;
    QLineEdit *field = f.field;
    ConfirmDriver driver;
    QStringList afterMismatch;
    bool stayedOpen = false;
    QWidget *focused = nullptr;
    QWidget *passwordEdit = nullptr;
    bool warnedOverConfirmation = false;
    driver.queue([&](PasswordConfirmDlg *confirm, QList<QLineEdit *> edits) {
        edits[0]->setText("Secret");
        edits[1]->setText("secret");
        ConfirmDriver::okButton(confirm)->click();
        warnedOverConfirmation =
            m_presenter->shown().size() == 1 && m_presenter->shown()[0].parent == confirm;
        afterMismatch = QStringList{edits[0]->text(), edits[1]->text()};
        stayedOpen = confirm->isVisible() && confirm->result() == 0;
        focused = confirm->focusWidget();
        passwordEdit = edits[0];
        // A second try that matches is accepted.
        edits[0]->setText("Secret");
        edits[1]->setText("Secret");
        ConfirmDriver::okButton(confirm)->click();
    });
    QTest::keyClick(field, Qt::Key_S);
    QCOMPARE(m_presenter->shown().size(), 1);
    const ShownMessage warning = m_presenter->shown()[0];
    QCOMPARE(warning.kind, QString("warning"));
    QCOMPARE(warning.title, QString("Error"));
    QCOMPARE(warning.text, QString("Passwords do not match. Please try again."));
    QVERIFY(warnedOverConfirmation);
    QCOMPARE(afterMismatch, (QStringList{"", ""}));
    QVERIFY(stayedOpen);
    QCOMPARE(focused, passwordEdit);
    QCOMPARE(field->text(), QString("Secret"));
}

void TestPreferences::passwordFieldSwallowsPasteAndMenu()
{
    PasswordFixture f;
    PreferenceDlg &dlg = *f.dlg;
    QLineEdit *field = f.field;
    QGuiApplication::clipboard()->setText("pasted");
    ConfirmDriver driver;
    pressKey(field, Qt::Key_V, Qt::ControlModifier);
    pressKey(field, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::mouseClick(field, Qt::MiddleButton);
    QInputMethodEvent composed;
    composed.setCommitString("typed");
    QApplication::sendEvent(field, &composed);
    QCOMPARE(field->text(), QString("Old"));

    // A context menu would be the active popup.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2));
    QApplication::sendEvent(field, &menuEvent);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(driver.opened(), 0);
    // The same event on another field does show its menu.
    QContextMenuEvent otherMenu(QContextMenuEvent::Mouse, QPoint(2, 2));
    QApplication::sendEvent(edit(dlg, "edtEFilerID"), &otherMenu);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(qobject_cast<QMenu *>(popup));
    popup->close();
}

void TestPreferences::passwordFieldTabMovesFocus()
{
    PreferenceDlg dlg;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    child<QTabWidget>(dlg, "tabWidget")->setCurrentIndex(1);
    QLineEdit *field = edit(dlg, "edtEFilerPswd");
    ConfirmDriver driver;
    field->setFocus();
    QVERIFY(field->hasFocus());
    pressKey(field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit(dlg, "edtDiscounterID")));
    field->setFocus();
    pressKey(field, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit(dlg, "edtEFilerID")));
    field->setFocus();
    pressKey(field, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(edit(dlg, "edtEFilerID")));
    QCOMPARE(driver.opened(), 0);
}

void TestPreferences::passwordCancelledDialogDiscardsIt()
{
    appInstance()->config.BusinessEFilePassword = "Old";
    ConfirmDriver driver;
    driver.queueEntries("New", "New");
    PreferenceDlg dlg;
    dlg.show();
    QTest::keyClick(edit(dlg, "edtEFilerPswd"), Qt::Key_N);
    button(dlg, "btnCancel")->click();
    QCOMPARE(QString(appInstance()->config.BusinessEFilePassword), QString("Old"));
    PreferenceDlg applied;
    driver.queueEntries("New", "New");
    QTest::keyClick(edit(applied, "edtEFilerPswd"), Qt::Key_N);
    button(applied, "btnApply")->click();
    QCOMPARE(QString(appInstance()->config.BusinessEFilePassword), QString("New"));
    QCOMPARE(QString(stored("BusinessEFilePassword")), QString("New"));
}

void TestPreferences::checkPoints_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("message"); // SERVER stands for the configured base address
    const QString failed = "Check account points failed, maybe network problem!";
    QTest::newRow("points and subscription")
        << 200
        << QByteArray(
               R"({"points": 12, "subscription": "2026-12-31", "subscriptionStatus": "active"})")
        << "Your account has 12 points available. [SERVER]\nActive subscription ends 2026-12-31.\n"
           "Status: active";
    QTest::newRow("zero points") << 200 << QByteArray(R"({"points": 0})")
                                 << "Your account has 0 points available. [SERVER]";
    QTest::newRow("points as text") << 200 << QByteArray(R"({"points": "12"})")
                                    << "Your account has 0 points available. [SERVER]";
    QTest::newRow("login refused")
        << 200 << QByteArray(R"({"points": -3, "subscription": "none"})")
        << "Login to Varnexa failed, code=-3!\nActive subscription ends none.";
    QTest::newRow("status only") << 200 << QByteArray(R"({"subscriptionStatus": "trial"})")
                                 << "\nStatus: trial";
    QTest::newRow("none of the keys") << 200 << QByteArray(R"({"other": 1})") << failed;
    QTest::newRow("array") << 200 << QByteArray("[1, 2]") << failed;
    QTest::newRow("not JSON") << 200 << QByteArray("<html>oops</html>") << failed;
    // An HTTP error status is still a reply: its JSON body is read.
    QTest::newRow("login refused with 401")
        << 401 << QByteArray(R"({"points": -2})") << "Login to Varnexa failed, code=-2!";
    QTest::newRow("login refused with 403 and status")
        << 403 << QByteArray(R"({"points": -2, "subscriptionStatus": "locked"})")
        << "Login to Varnexa failed, code=-2!\nStatus: locked";
    QTest::newRow("error status with points")
        << 500 << QByteArray(R"({"points": 5})") << "Your account has 5 points available. [SERVER]";
    QTest::newRow("error page") << 500 << QByteArray("<html>Internal error</html>") << failed;
    QTest::newRow("error status, empty") << 502 << QByteArray() << failed;
}

void TestPreferences::checkPoints()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QString, message);
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen());
    const QString server = m_server->url("");
    appInstance()->config.VarnexaServer = server;
    m_server->setResponse("/api/user/verify", LocalServer::Response::answer(status, reply));
    appInstance()->config.VarnexaEmail = "stored@example.invalid";

    PreferenceDlg dlg;
    edit(dlg, "edtUserEmail")->setText("ann.b+tax@example.invalid");
    edit(dlg, "edtUserPswd")->setText("p w&=");
    button(dlg, "btnCheckPoints")->click();

    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].method, QByteArray("POST"));
    QCOMPARE(requests[0].path, QByteArray("/api/user/verify"));
    QCOMPARE(requests[0].body, QByteArray("email=ann.b%2Btax%40example.invalid&password=p%20w%26%3D"
                                          "&msg=testing&formname=E-Auth"
                                          "&sfwrver=Quorvandelle%202025%20NETFILE"));
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown()[0].title, QString(gMsgGetTitle(2)));
    QCOMPARE(m_presenter->shown()[0].text, QString(message).replace("SERVER", server));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(configRowCount(), 0);
}

bool TestPreferences::startPointsService()
{
    m_server = std::make_unique<LocalServer>();
    if (!m_server->listen())
        return false;
    appInstance()->config.VarnexaServer = m_server->url("");
    m_server->setResponse("/api/user/verify",
                          LocalServer::Response::answer(200, R"({"points": 4})"));
    return true;
}

void TestPreferences::checkPointsInTestingMode()
{
    QVERIFY(startPointsService());
    // As start-up leaves them in testing mode: the title carries the suffix, the service is told
    // the edition's own title.
    struct TitleRestorer
    {
        CString saved = appTitle;
        ~TitleRestorer() { appTitle = saved; }
    } restorer;
    appInstance()->config.MODEDEBUG = true;
    appTitle = gMsgGetTitle(AppEdition) + " - Testing";
    PreferenceDlg dlg;
    edit(dlg, "edtUserEmail")->setText("ann@example.invalid");
    edit(dlg, "edtUserPswd")->setText("pw");
    button(dlg, "btnCheckPoints")->click();
    const QList<LocalServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].body,
             QByteArray("email=ann%40example.invalid&password=pw&msg=testing"
                        "&formname=E-Auth&sfwrver=Quorvandelle%202025%20NETFILE"));
}

void TestPreferences::checkPointsAtMostThree()
{
    QVERIFY(startPointsService());
    PreferenceDlg dlg;
    edit(dlg, "edtUserEmail")->setText("ann@example.invalid");
    edit(dlg, "edtUserPswd")->setText("pw");
    for (int i = 0; i < 3; ++i)
        button(dlg, "btnCheckPoints")->click();
    QCOMPARE(m_server->requests().size(), 3);
    QCOMPARE(m_presenter->shown().size(), 3);
    button(dlg, "btnCheckPoints")->click();
    edit(dlg, "edtUserEmail")->setText("other@example.invalid");
    button(dlg, "btnCheckPoints")->click();
    QCOMPARE(m_server->requests().size(), 3);
    QCOMPARE(m_presenter->shown().size(), 3);
    // A new dialog has its own three checks.
    PreferenceDlg next;
    edit(next, "edtUserEmail")->setText("ann@example.invalid");
    edit(next, "edtUserPswd")->setText("pw");
    button(next, "btnCheckPoints")->click();
    QCOMPARE(m_server->requests().size(), 4);
}

void TestPreferences::checkPointsBounded()
{
    // A server that keeps the reply alive a byte at a time is given up at the overall limit.
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen());
    appInstance()->config.VarnexaServer = m_server->url("");
    m_server->setResponse("/api/user/verify", LocalServer::Response::drip(
                                                  R"({"points": 7})" + QByteArray(100, ' '), 50));
    TabWndApp *app = appInstance();
    const QWebClient::Limits defaults = app->webCheckLimits;
    app->webCheckLimits.totalMs = 400;
    PreferenceDlg dlg;
    edit(dlg, "edtUserEmail")->setText("ann@example.invalid");
    edit(dlg, "edtUserPswd")->setText("pw");
    QElapsedTimer clock;
    clock.start();
    button(dlg, "btnCheckPoints")->click();
    const qint64 elapsed = clock.elapsed();
    app->webCheckLimits = defaults;
    QCOMPARE(m_presenter->shownTexts(),
             QStringList{"Check account points failed, maybe network problem!"});
    QVERIFY2(elapsed < 4000, qPrintable(QString::number(elapsed)));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestPreferences::checkPointsRefusesBadInput_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::newRow("empty email") << ""
                                 << "pw";
    QTest::newRow("empty password") << "ann@example.invalid"
                                    << "";
    QTest::newRow("malformed email") << "ann@"
                                     << "pw";
}

void TestPreferences::checkPointsRefusesBadInput()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    m_server = std::make_unique<LocalServer>();
    QVERIFY(m_server->listen());
    appInstance()->config.VarnexaServer = m_server->url("");
    m_server->setResponse("/api/user/verify",
                          LocalServer::Response::answer(200, R"({"points": 1})"));
    PreferenceDlg dlg;
    edit(dlg, "edtUserEmail")->setText(email);
    edit(dlg, "edtUserPswd")->setText(password);
    for (int i = 0; i < 4; ++i)
        button(dlg, "btnCheckPoints")->click();
    QCOMPARE(m_server->requests().size(), 0);
    QCOMPARE(m_presenter->shownTexts(),
             QVector<QString>(4, "Please enter valid email address and password for user points.")
                 .toList());
    // Refused clicks used none of the three checks.
    edit(dlg, "edtUserEmail")->setText("ann@example.invalid");
    edit(dlg, "edtUserPswd")->setText("pw");
    for (int i = 0; i < 3; ++i)
        button(dlg, "btnCheckPoints")->click();
    QCOMPARE(m_server->requests().size(), 3);
}

void TestPreferences::splitString_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("delimiter");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("plain") << QByteArray("a,b,c") << QByteArray(",")
                           << QList<QByteArray>{"a", "b", "c"};
    QTest::newRow("delimiter at the end")
        << QByteArray("a,b,") << QByteArray(",") << QList<QByteArray>{"a", "b", ""};
    QTest::newRow("leading and doubled")
        << QByteArray(",a,,b") << QByteArray(",") << QList<QByteArray>{"", "a", "", "b"};
    QTest::newRow("long delimiter")
        << QByteArray("x::y:::z") << QByteArray("::") << QList<QByteArray>{"x", "y", ":z"};
    QTest::newRow("no delimiter in text")
        << QByteArray("abc") << QByteArray(";") << QList<QByteArray>{"abc"};
    QTest::newRow("empty text") << QByteArray() << QByteArray(",") << QList<QByteArray>{""};
    QTest::newRow("empty delimiter") << QByteArray("abc") << QByteArray() << QList<QByteArray>{};
}

void TestPreferences::splitString()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, delimiter);
    QTEST(::splitString(text, delimiter), "pieces");
}

QV_TEST_MAIN(TestPreferences)
#include "tst_Preferences.moc"
