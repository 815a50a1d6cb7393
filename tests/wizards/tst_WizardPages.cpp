// The return wizards' pages and dialogs on their own: the new-return pages, the change-province
// page, the couple page with Qt's own file dialog, the de-couple dialog on a coupled return and
// the import options dialog.
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "PluginFolder.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"
#include "plugin/TestPluginRecorder.h"

#include "app/TabWndApp.h"
#include "marrow/TaxData_T1New.h"
#include "model/DataDlgChangeProv.h"
#include "model/DataNewReturnBasic.h"
#include "model/FamilyTaxData.h"
#include "model/ImportOptions.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CT1ComboBox.h"
#include "ordane/StyledDateEdit.h"
#include "ordane/WizardBase.h"
#include "wizards/DlgCoupleReturn_tab1.h"
#include "wizards/DlgDeCoupleReturn.h"
#include "wizards/DlgImportOption_Info.h"
#include "wizards/NewReturnBasic_tab1.h"
#include "wizards/NewReturnWizard.h"
#include "wizards/WizardServices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>

namespace {

constexpr int kOntario = ReturnFixture::kProvince;
constexpr int kAlberta = 1;
constexpr int kBritishColumbia = 2;

template <typename W> W *child(QWidget *root, const char *name)
{
    W *w = root->findChild<W *>(QString::fromLatin1(name));
    if (!w)
        qWarning("no widget %s", name);
    return w;
}

void setText(QWidget *root, const char *name, const QString &text)
{
    if (auto *edit = child<QLineEdit>(root, name))
        edit->setText(text);
}

void chooseProvince(QWidget *root, const char *name, int province)
{
    if (auto *combo = child<CT1ComboBox>(root, name))
        combo->SetCurSelData(province);
}

void click(QWizard &wizard, QWizard::WizardButton which)
{
    wizard.button(which)->click();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TaxData_T1New *t1Of(IndividualTaxData *person)
{
    return dynamic_cast<TaxData_T1New *>(person->getForm(1, 0, false));
}

// Every coupled flag of a person: the person's own, then each form's.
QList<bool> coupledFlags(IndividualTaxData *person)
{
    QList<bool> flags{person->m_coupled};
    for (TaxDataEntryStru *entry : person->m_formList)
        flags.append(entry->data->isCoupledReturn());
    return flags;
}

QString firstNameOf(IndividualTaxData *person)
{
    TaxData_T1New *t1 = t1Of(person);
    return t1 ? QString(t1->firstName.value()) : QString();
}

} // namespace

class TestWizardPages : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newReturnTaxpayerPageTests_data();
    void newReturnTaxpayerPageTests();
    void newReturnNextPage_data();
    void newReturnNextPage();
    void newReturnSpousePageTests_data();
    void newReturnSpousePageTests();
    void newReturnSpouseProvinceFollowsTaxpayer();
    void newReturnBackToSingleSkipsSpouse();
    void newReturnStartingDates();
    void newReturnAnswersAfterFinish_data();
    void newReturnAnswersAfterFinish();

    void changeProvinceOpensEmpty();
    void changeProvinceNeedsProvince();

    void coupleWizardShape();
    void couplePagePaths_data();
    void couplePagePaths();
    void coupleBrowseStartFolder_data();
    void coupleBrowseStartFolder();

    void deCoupleNames();
    void deCoupleKeeps_data();
    void deCoupleKeeps();
    void deCoupleCancelChangesNothing();
    void deCoupleSpouseKeptReturnsPluginForms();

    void importOptionsShown_data();
    void importOptionsShown();
    void importOptionsWrittenBack_data();
    void importOptionsWrittenBack();
    void importOptionsRejected_data();
    void importOptionsRejected();

private:
    // The new-return wizard shown without a modal loop, on its first page.
    std::unique_ptr<WizardBase> showNewReturnWizard();
    // Fills the first page with a last name, Ontario and the marital status, then Next.
    void passTaxpayerPage(WizardBase &wizard, int status);

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    DataNewReturnBasic m_answers;
};

void TestWizardPages::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_answers.copyFrom(DataNewReturnBasic());
    TabWndApp *app = appInstance();
    app->LastOpenPath.clear();
    app->config.RetPath = m_fixture->dir();
}

void TestWizardPages::cleanup()
{
    m_presenter.reset();
    m_fixture.reset();
}

std::unique_ptr<WizardBase> TestWizardPages::showNewReturnWizard()
{
    std::unique_ptr<WizardBase> wizard = makeNewReturnWizard(m_answers, nullptr);
    wizard->show();
    return wizard;
}

void TestWizardPages::passTaxpayerPage(WizardBase &wizard, int status)
{
    setText(&wizard, "fld_LastName", "Smith");
    chooseProvince(&wizard, "fld_TaxPronv", kOntario);
    if (status >= 0)
        child<QRadioButton>(&wizard, qPrintable(QString("fld_MaritalStatus_%1").arg(status)))
            ->click();
    click(wizard, QWizard::NextButton);
}

// ---- new return

void TestWizardPages::newReturnTaxpayerPageTests_data()
{
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("pageAfterNext");
    QTest::newRow("empty first name accepted") << ""
                                               << "Smith" << kOntario << 2;
    QTest::newRow("last name of blanks") << "Ann"
                                         << "   " << kOntario << 0;
    QTest::newRow("empty last name") << "Ann"
                                     << "" << kOntario << 0;
    QTest::newRow("no province") << "Ann"
                                 << "Smith" << 0 << 0;
    QTest::newRow("blanks around a name") << ""
                                          << "  Li " << kAlberta << 2;
}

void TestWizardPages::newReturnTaxpayerPageTests()
{
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);
    QFETCH(int, province);
    QFETCH(int, pageAfterNext);
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    QCOMPARE(wizard->windowTitle(), QString("Create a new tax return"));
    QCOMPARE(wizard->size(), QSize(700, 470));
    QCOMPARE(wizard->pageIds(), (QList<int>{0, 1, 2}));
    setText(wizard.get(), "fld_FirstName", firstName);
    setText(wizard.get(), "fld_LastName", lastName);
    chooseProvince(wizard.get(), "fld_TaxPronv", province);
    click(*wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), pageAfterNext);
    // Refused silently: no message at all.
    QCOMPARE(m_presenter->shownTexts(), QStringList());
    // What was typed is in the data object either way.
    QCOMPARE(QString(m_answers.fld_LastName.value()), lastName);
    QCOMPARE(m_answers.fld_TaxPronv.value(), province);
}

void TestWizardPages::newReturnNextPage_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("nextId");
    QTest::newRow("unchosen") << -1 << 2;
    QTest::newRow("married") << 0 << 1;
    QTest::newRow("common-law") << 1 << 1;
    QTest::newRow("widowed") << 2 << 2;
    QTest::newRow("divorced") << 3 << 2;
    QTest::newRow("separated") << 4 << 2;
    QTest::newRow("single") << 5 << 2;
}

void TestWizardPages::newReturnNextPage()
{
    QFETCH(int, status);
    QFETCH(int, nextId);
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    passTaxpayerPage(*wizard, status);
    QCOMPARE(m_answers.fld_MaritalStatus.value(), status);
    QCOMPARE(m_answers.hasSpouse(), nextId == 1);
    QCOMPARE(wizard->page(0)->nextId(), nextId);
    QCOMPARE(wizard->currentId(), nextId);
}

void TestWizardPages::newReturnSpousePageTests_data()
{
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<int>("province");
    QTest::addColumn<int>("pageAfterNext");
    QTest::newRow("both names and a province") << "Bob"
                                               << "Smith" << kOntario << 2;
    QTest::newRow("first name missing") << " "
                                        << "Smith" << kOntario << 1;
    QTest::newRow("last name missing") << "Bob"
                                       << "" << kOntario << 1;
    QTest::newRow("province removed") << "Bob"
                                      << "Smith" << 0 << 1;
    QTest::newRow("another province") << "Bob"
                                      << "Smith" << kBritishColumbia << 2;
}

void TestWizardPages::newReturnSpousePageTests()
{
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);
    QFETCH(int, province);
    QFETCH(int, pageAfterNext);
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    passTaxpayerPage(*wizard, 1);
    QCOMPARE(wizard->currentId(), 1);
    setText(wizard.get(), "fld_FirstNameSpouse", firstName);
    setText(wizard.get(), "fld_LastNameSpouse", lastName);
    chooseProvince(wizard.get(), "fld_TaxPronvSpouse", province);
    click(*wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), pageAfterNext);
    QCOMPARE(m_answers.fld_TaxPronvSpouse.value(), province);
    QCOMPARE(m_presenter->shownTexts(), QStringList());
}

void TestWizardPages::newReturnSpouseProvinceFollowsTaxpayer()
{
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    passTaxpayerPage(*wizard, 0);
    auto *spouseProvince = child<CT1ComboBox>(wizard.get(), "fld_TaxPronvSpouse");
    QCOMPARE(spouseProvince->curSelData(), kOntario);
    QCOMPARE(m_answers.fld_TaxPronvSpouse.value(), kOntario);
    // The slot stores the choice at once.
    spouseProvince->SetCurSelData(kBritishColumbia);
    QCOMPARE(m_answers.fld_TaxPronvSpouse.value(), kBritishColumbia);
    setText(wizard.get(), "fld_FirstNameSpouse", "Bob");
    click(*wizard, QWizard::BackButton);
    QCOMPARE(wizard->currentId(), 0);
    chooseProvince(wizard.get(), "fld_TaxPronv", kAlberta);
    click(*wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), 1);
    QCOMPARE(spouseProvince->curSelData(), kAlberta);
    QCOMPARE(m_answers.fld_TaxPronvSpouse.value(), kAlberta);
    // The other spouse widgets keep what they showed.
    QCOMPARE(child<QLineEdit>(wizard.get(), "fld_FirstNameSpouse")->text(), QString("Bob"));
}

void TestWizardPages::newReturnBackToSingleSkipsSpouse()
{
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    passTaxpayerPage(*wizard, 0);
    setText(wizard.get(), "fld_FirstNameSpouse", "Bob");
    setText(wizard.get(), "fld_LastNameSpouse", "Smith");
    click(*wizard, QWizard::BackButton);
    child<QRadioButton>(wizard.get(), "fld_MaritalStatus_2")->click();
    QCOMPARE(m_answers.fld_MaritalStatus.value(), 2);
    click(*wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), 2);
    QVERIFY(wizard->button(QWizard::FinishButton)->isVisible());
    // Left in the data object, unused.
    QCOMPARE(QString(m_answers.fld_FirstNameSpouse.value()), QString("Bob"));
    QCOMPARE(QString(m_answers.fld_LastNameSpouse.value()), QString("Smith"));
    click(*wizard, QWizard::FinishButton);
    QCOMPARE(wizard->result(), int(QDialog::Accepted));
}

void TestWizardPages::newReturnStartingDates()
{
    std::unique_ptr<WizardBase> wizard = showNewReturnWizard();
    for (const char *name : {"fld_dob", "fld_dobSpouse"}) {
        auto *date = child<StyledDateEdit>(wizard.get(), name);
        QCOMPARE(date->text(), QString("1980/01/01"));
        QCOMPARE(date->displayFormat(), QString("yyyy/MM/dd"));
        QVERIFY(date->calendarPopup());
    }
    QCOMPARE(child<CT1ComboBox>(wizard.get(), "fld_TaxPronv")->currentText(), QString());
    QCOMPARE(child<CT1ComboBox>(wizard.get(), "fld_TaxPronv")->itemData(0).toInt(), 0);
    // A date picked is stored at once.
    child<StyledDateEdit>(wizard.get(), "fld_dob")->setDate(QDate(1975, 7, 9));
    QCOMPARE(m_answers.fld_dob.date(), QDate(1975, 7, 9));
}

void TestWizardPages::newReturnAnswersAfterFinish_data()
{
    QTest::addColumn<bool>("married");
    QTest::addColumn<QStringList>("fields");
    // Every field in the table's order, as name=value.
    QTest::newRow("married, every box ticked") << true
                                               << QStringList{"fld_FirstName=Ann",
                                                              "fld_LastName=Smith",
                                                              "fld_sin=046 454 286",
                                                              "fld_dob=1975-07-09",
                                                              "fld_TaxPronv=9",
                                                              "fld_MaritalStatus=0",
                                                              "fld_FirstNameSpouse=Bob",
                                                              "fld_LastNameSpouse=Smith",
                                                              "fld_Coupled=1",
                                                              "fld_SpouseNonResident=1",
                                                              "fld_sinSpouse=130692544",
                                                              "fld_dobSpouse=1980-01-01",
                                                              "fld_TaxPronvSpouse=2",
                                                              "fld_bSch3=1",
                                                              "fld_bSch4=1",
                                                              "fld_bSch6=1",
                                                              "fld_bSch7=1",
                                                              "fld_bSch9=1",
                                                              "fld_bSch11=1",
                                                              "fld_bSch15=1",
                                                              "fld_bT776=1",
                                                              "fld_bT2125=1"};
    QTest::newRow("single, nothing ticked")
        << false << QStringList{"fld_FirstName=Ann",    "fld_LastName=Smith",
                                "fld_sin=046 454 286",  "fld_dob=1975-07-09",
                                "fld_TaxPronv=9",       "fld_MaritalStatus=5",
                                "fld_FirstNameSpouse=", "fld_LastNameSpouse=",
                                "fld_Coupled=0",        "fld_SpouseNonResident=0",
                                "fld_sinSpouse=",       "fld_dobSpouse=1980-01-01",
                                "fld_TaxPronvSpouse=0", "fld_bSch3=0",
                                "fld_bSch4=0",          "fld_bSch6=0",
                                "fld_bSch7=0",          "fld_bSch9=0",
                                "fld_bSch11=0",         "fld_bSch15=0",
                                "fld_bT776=0",          "fld_bT2125=0"};
}

void TestWizardPages::newReturnAnswersAfterFinish()
{
    QFETCH(bool, married);
    QFETCH(QStringList, fields);
    ModalDriver driver;
    ModalAction taxpayer;
    taxpayer.fills = {{"fld_FirstName", "Ann"},
                      {"fld_LastName", "Smith"},
                      {"fld_sin", "046 454 286"},
                      {"fld_TaxPronv", QString::number(kOntario)}};
    taxpayer.ticks = {{married ? "fld_MaritalStatus_0" : "fld_MaritalStatus_5", true}};
    taxpayer.button = "Next >";
    driver.queue(taxpayer);
    if (married) {
        ModalAction spouse;
        spouse.fills = {{"fld_FirstNameSpouse", "Bob"},
                        {"fld_LastNameSpouse", "Smith"},
                        {"fld_sinSpouse", "130692544"},
                        {"fld_TaxPronvSpouse", QString::number(kBritishColumbia)}};
        spouse.ticks = {{"fld_Coupled", true}, {"fld_SpouseNonResident", true}};
        spouse.button = "Next >";
        driver.queue(spouse);
    }
    ModalAction forms;
    if (married) {
        for (const char *box : {"fld_bSch3", "fld_bSch4", "fld_bSch6", "fld_bSch7", "fld_bSch9",
                                "fld_bSch11", "fld_bSch15", "fld_bT776", "fld_bT2125"})
            forms.ticks.insert(box, true);
    }
    forms.button = "Finish";
    driver.queue(forms);
    // The taxpayer's date is picked before the wizard runs, as a user would on the first page.
    QTimer::singleShot(0, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->findChild<StyledDateEdit *>("fld_dob")->setDate(QDate(1975, 7, 9));
    });
    QCOMPARE(runNewReturnWizard(m_answers, nullptr), 1);
    QCOMPARE(driver.pendingActions(), 0);
    QStringList seen;
    for (CField *field : m_answers.allFields())
        seen.append(QString::fromUtf8(field->name()) + '=' + field->toText());
    QCOMPARE(seen, fields);
    // None of them is registered with the base list.
    QCOMPARE(int(m_answers.fields().size()), 0);
}

// ---- change province

void TestWizardPages::changeProvinceOpensEmpty()
{
    DataDlgChangeProv answers;
    std::unique_ptr<WizardBase> wizard = makeChangeProvinceWizard(answers, nullptr);
    wizard->show();
    QCOMPARE(wizard->windowTitle(), QString("Change Tax Province"));
    QCOMPARE(wizard->size(), QSize(770, 640));
    auto *province = child<CT1ComboBox>(wizard.get(), "fld_NewTaxProv");
    QCOMPARE(province->currentIndex(), 0);
    QCOMPARE(province->curSelData(), 0);
    QCOMPARE(province->count(), 14);
    QCOMPARE(province->itemText(kOntario), QString("Ontario"));
    auto *both = child<QRadioButton>(wizard.get(), "fld_ChgBoth_0");
    auto *current = child<QRadioButton>(wizard.get(), "fld_ChgBoth_1");
    QCOMPARE(both->text(), QString("Yes (change both)"));
    QCOMPARE(current->text(), QString("No (change current only)"));
    QVERIFY(both->isChecked());
    QVERIFY(!current->isChecked());
    QVERIFY(wizard->button(QWizard::FinishButton)->isVisible());
    // Both fields are registered under their "fld_" names.
    QStringList names;
    for (const CField *field : answers.fields())
        names.append(QString::fromUtf8(field->name()));
    QCOMPARE(names, (QStringList{"fld_NewTaxProv", "fld_ChgBoth"}));
}

void TestWizardPages::changeProvinceNeedsProvince()
{
    DataDlgChangeProv answers;
    std::unique_ptr<WizardBase> wizard = makeChangeProvinceWizard(answers, nullptr);
    wizard->show();
    click(*wizard, QWizard::FinishButton);
    QVERIFY(wizard->isVisible());
    QCOMPARE(wizard->result(), 0);
    QCOMPARE(m_presenter->shownTexts(), QStringList());

    child<QRadioButton>(wizard.get(), "fld_ChgBoth_1")->click();
    QCOMPARE(answers.fld_ChgBoth.value(), 1);
    chooseProvince(wizard.get(), "fld_NewTaxProv", kBritishColumbia);
    QCOMPARE(answers.fld_NewTaxProv.value(), kBritishColumbia);
    click(*wizard, QWizard::FinishButton);
    QCOMPARE(wizard->result(), int(QDialog::Accepted));
    QCOMPARE(answers.fld_NewTaxProv.value(), kBritishColumbia);
    QCOMPARE(answers.fld_ChgBoth.value(), 1);
}

// ---- couple

void TestWizardPages::coupleWizardShape()
{
    std::unique_ptr<WizardBase> wizard = makeCoupleReturnsWizard(appInstance(), nullptr);
    wizard->show();
    QCOMPARE(wizard->windowTitle(), QString("Couple Two Returns Together"));
    QCOMPARE(wizard->size(), QSize(700, 370));
    QCOMPARE(wizard->wizardStyle(), QWizard::ModernStyle);
    QVERIFY(!wizard->button(QWizard::BackButton)->isVisible());
    QVERIFY(wizard->button(QWizard::FinishButton)->isVisible());
    QCOMPARE(child<QAbstractButton>(wizard.get(), "btnBtn1")->text(), QString("Browse"));
    QCOMPARE(child<QAbstractButton>(wizard.get(), "btnBtn2")->text(), QString("Browse"));
}

void TestWizardPages::couplePagePaths_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("accepted");
    const QString refused = "Please make sure both return files exist in the given file path";
    QTest::newRow("two files") << "Ann.r25"
                               << "Bob.r25" << true;
    QTest::newRow("the same file twice") << "Ann.r25"
                                         << "Ann.r25" << true;
    QTest::newRow("second missing") << "Ann.r25"
                                    << "Missing.r25" << false;
    QTest::newRow("first missing") << "Missing.r25"
                                   << "Bob.r25" << false;
    QTest::newRow("a folder named like a return") << "x.r25"
                                                  << "Bob.r25" << false;
    QTest::newRow("nothing typed") << ""
                                   << "" << false;
}

void TestWizardPages::couplePagePaths()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, accepted);
    const QDir dir(m_fixture->dir());
    QVERIFY(writeBytes(dir.filePath("Ann.r25"), "a"));
    QVERIFY(writeBytes(dir.filePath("Bob.r25"), "b"));
    QVERIFY(dir.mkpath("x.r25"));
    const QString firstPath = first.isEmpty() ? QString() : dir.filePath(first);
    const QString secondPath = second.isEmpty() ? QString() : dir.filePath(second);

    std::unique_ptr<WizardBase> wizard = makeCoupleReturnsWizard(appInstance(), nullptr);
    wizard->show();
    // Typed by hand, as a user may.
    QTest::keyClicks(child<QLineEdit>(wizard.get(), "fld_Filename1"), firstPath);
    QTest::keyClicks(child<QLineEdit>(wizard.get(), "fld_Filename2"), secondPath);
    click(*wizard, QWizard::FinishButton);
    QCOMPARE(wizard->result(), accepted ? int(QDialog::Accepted) : 0);
    QCOMPARE(m_presenter->shownTexts(),
             accepted ? QStringList()
                      : QStringList{"Please make sure both return files exist in the given file "
                                    "path"});
    // Both paths are taken even when the test fails.
    auto *page = static_cast<DlgCoupleReturn_tab1 *>(wizard->page(0));
    QCOMPARE(page->firstPath(), firstPath);
    QCOMPARE(page->secondPath(), secondPath);
}

void TestWizardPages::coupleBrowseStartFolder_data()
{
    QTest::addColumn<QString>("lastOpen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last opened folder") << "last"
                                        << "last";
    QTest::newRow("no last folder: the return folder") << ""
                                                       << "returns";
}

void TestWizardPages::coupleBrowseStartFolder()
{
    QFETCH(QString, lastOpen);
    QFETCH(QString, expected);
    const QDir dir(m_fixture->dir());
    QVERIFY(dir.mkpath("last"));
    QVERIFY(dir.mkpath("returns"));
    const QString chosen = dir.filePath("returns/Chosen.r25");
    QVERIFY(writeBytes(chosen, "c"));
    appInstance()->LastOpenPath = lastOpen.isEmpty() ? QString() : dir.filePath(lastOpen);
    appInstance()->config.RetPath = dir.filePath("returns");

    std::unique_ptr<WizardBase> wizard = makeCoupleReturnsWizard(appInstance(), nullptr);
    wizard->show();
    QString startFolder;
    QString filter;
    ModalDriver driver;
    ModalAction pick;
    pick.fills = {{"fileNameEdit", chosen}};
    pick.button = "Open";
    // The dialog is looked at before the driver is told to pick the file.
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            startFolder = dialog->directory().absolutePath();
            filter = dialog->nameFilters().join(";;");
        }
        driver.queue(pick);
    });
    child<QAbstractButton>(wizard.get(), "btnBtn2")->click();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen().first().title, QString("Open Return File"));
    QCOMPARE(startFolder, dir.filePath(expected));
    QCOMPARE(filter, QString("*.r25 Return files (*.r25);;All files (*.*)"));
    QCOMPARE(child<QLineEdit>(wizard.get(), "fld_Filename2")->text(), chosen);
    QCOMPARE(child<QLineEdit>(wizard.get(), "fld_Filename1")->text(), QString());
    QCOMPARE(DlgCoupleReturn_tab1::browseStartFolder("", "/r"), QString("/r"));
    QCOMPARE(DlgCoupleReturn_tab1::browseStartFolder("/l", "/r"), QString("/l"));
}

// ---- de-couple

void TestWizardPages::deCoupleNames()
{
    std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn());
    DlgDeCoupleReturn dialog(family.get());
    auto *combo = child<QComboBox>(&dialog, "comboBox");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    QCOMPARE(items, (QStringList{"Élise Tremblay", "Marc Tremblay"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(dialog.size(), QSize(548, 279));
    auto *buttons = child<QDialogButtonBox>(&dialog, "buttonBox");
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void TestWizardPages::deCoupleKeeps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kept");
    QTest::newRow("the taxpayer stays") << 0 << "Élise";
    QTest::newRow("the spouse stays") << 1 << "Marc";
}

void TestWizardPages::deCoupleKeeps()
{
    QFETCH(int, index);
    QFETCH(QString, kept);
    std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn());
    QCOMPARE(family->setCurrentPersonIndex(PersonSpouse), PersonSpouse);
    IndividualTaxData *stays = index == 0 ? family->taxpayer() : family->spouse();
    const int forms = stays->m_formList.size();
    const int slips = stays->m_slipList.size();
    const int notes = stays->m_noteList.size();
    QVERIFY(forms > 0 && slips > 0 && notes > 0);
    DependantInfoStruct *dependants = &family->dependants();

    DlgDeCoupleReturn dialog(family.get());
    dialog.show();
    child<QComboBox>(&dialog, "comboBox")->setCurrentIndex(index);
    child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // The kept person's data is the taxpayer's now, whole.
    QCOMPARE(family->taxpayer(), stays);
    QCOMPARE(firstNameOf(family->taxpayer()), kept);
    QCOMPARE(family->taxpayer()->m_formList.size(), forms);
    QCOMPARE(family->taxpayer()->m_slipList.size(), slips);
    QCOMPARE(family->taxpayer()->m_noteList.size(), notes);
    // An empty spouse, sharing the return's dependants.
    IndividualTaxData *spouse = family->spouse();
    QVERIFY(spouse);
    QVERIFY(spouse->m_formList.isEmpty());
    QVERIFY(spouse->m_slipList.isEmpty());
    QVERIFY(spouse->m_noteList.isEmpty());
    QVERIFY(spouse->m_wizardList.isEmpty());
    QCOMPARE(spouse->m_dependants, dependants);
    QCOMPARE(family->taxpayer()->m_dependants, dependants);
    // Nobody is coupled any more, nor any form.
    QVERIFY(!family->isCoupled());
    QCOMPARE(coupledFlags(family->taxpayer()), QVector<bool>(forms + 1, false).toList());
    QCOMPARE(coupledFlags(spouse), QList<bool>{false});
    QCOMPARE(family->getCurrentPersonIndex(), PersonTaxpayer);
    CString names[2];
    family->getPersonNames(names[0], names[1]);
    QCOMPARE(QString(names[0]), kept + " Tremblay");
    QCOMPARE(QString(names[1]), QString());
    // What is left saves and reads back as a single return.
    FamilyTaxData reread(0);
    QCOMPARE(ReturnFixture::loadFromBytes(reread, ReturnFixture::saveToBytes(*family)), 0);
    QVERIFY(!reread.isCoupled());
    QCOMPARE(firstNameOf(reread.taxpayer()), kept);
}

void TestWizardPages::deCoupleCancelChangesNothing()
{
    std::unique_ptr<FamilyTaxData> family(EditorFixture::coupledReturn());
    family->setCurrentPersonIndex(PersonSpouse);
    const QByteArray before = ReturnFixture::saveToBytes(*family);
    IndividualTaxData *taxpayer = family->taxpayer();
    IndividualTaxData *spouse = family->spouse();
    ModalDriver driver;
    ModalAction cancel;
    cancel.button = "Cancel";
    driver.queue(cancel);
    QCOMPARE(runDeCoupleDialog(family.get(), nullptr), 0);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().first().title, QString("De-Couple Tax Return"));
    QCOMPARE(family->taxpayer(), taxpayer);
    QCOMPARE(family->spouse(), spouse);
    QVERIFY(family->isCoupled());
    QCOMPARE(family->getCurrentPersonIndex(), PersonSpouse);
    QCOMPARE(ReturnFixture::saveToBytes(*family), before);
}

void TestWizardPages::deCoupleSpouseKeptReturnsPluginForms()
{
    PluginFolder folder;
    TestPluginRecorder recorder;
    QVERIFY(folder.linkTestPlugin(kOntario, &recorder));
    FamilyTaxData family(0);
    ReturnFixture::fillCoupledReturn(family, 1);
    ReturnFixture::bringToLoadedState(family);
    QVERIFY(family.isCoupled());
    const int madeBefore = recorder.managersMade;
    const int deletedBefore = recorder.managersDeleted;
    recorder.calls.clear();
    recorder.formsDeletedByPlugin = 0;

    DlgDeCoupleReturn::keepPerson(family, 1);
    // The former taxpayer's provincial form went back to the plug-in, and then its manager;
    // the kept person's plug-in stays loaded.
    QCOMPARE(recorder.formsDeletedByPlugin, 1);
    const QStringList offered = recorder.callsOf("deleteProvincialForm");
    QVERIFY(offered.contains("9 deleteProvincialForm 26 1"));
    QCOMPARE(recorder.calls.last(), QString("9 destroyed"));
    QCOMPARE(recorder.managersDeleted, deletedBefore + 1);
    QCOMPARE(recorder.managersMade, madeBefore);
    QVERIFY(family.taxpayer()->getForm(26, 0, false));
    QCOMPARE(firstNameOf(family.taxpayer()), QString("Marc"));
}

// ---- import options

void TestWizardPages::importOptionsShown_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QList<bool>>("checked");
    // Checked: keep notes, self-business, keep forms, without data, all data, make coupled.
    QTest::newRow("defaults") << QByteArray("\1\0\0\0\0", 5)
                              << QList<bool>{true, false, false, true, false, false};
    QTest::newRow("all set") << QByteArray("\1\1\1\1\1", 5)
                             << QList<bool>{true, true, true, false, true, true};
    QTest::newRow("none set") << QByteArray("\0\0\0\0\0", 5)
                              << QList<bool>{false, false, false, true, false, false};
    QTest::newRow("copy data only")
        << QByteArray("\0\0\0\1\0", 5) << QList<bool>{false, false, false, false, true, false};
}

void TestWizardPages::importOptionsShown()
{
    QFETCH(QByteArray, record);
    QFETCH(QList<bool>, checked);
    ImportOptions options;
    memcpy(&options, record.constData(), sizeof options);
    DlgImportOption_Info dialog(&options);
    QCOMPARE(dialog.windowTitle(), QString("DlgImportOption_Info"));
    QCOMPARE(dialog.size(), QSize(735, 400));
    QList<bool> shown;
    for (const char *name : {"fld_KeepNotes", "fld_bIncludeSFD", "fld_KeepForms", "fld_iCopyData_0",
                             "fld_iCopyData_1", "fld_bMakeCoupled"})
        shown.append(child<QAbstractButton>(&dialog, name)->isChecked());
    QCOMPARE(shown, checked);
    QCOMPARE(child<QAbstractButton>(&dialog, "fld_iCopyData_1")->focusPolicy(), Qt::StrongFocus);
}

void TestWizardPages::importOptionsWrittenBack_data()
{
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("copyButton");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("no change") << QStringList() << "" << QByteArray("\1\0\0\0\0", 5);
    QTest::newRow("notes off") << QStringList{"-fld_KeepNotes"} << ""
                               << QByteArray("\0\0\0\0\0", 5);
    QTest::newRow("self-business")
        << QStringList{"fld_bIncludeSFD"} << "" << QByteArray("\1\1\0\0\0", 5);
    QTest::newRow("keep forms with data")
        << QStringList{"fld_KeepForms"} << "fld_iCopyData_1" << QByteArray("\1\0\1\1\0", 5);
    QTest::newRow("copy data, forms not kept")
        << QStringList() << "fld_iCopyData_1" << QByteArray("\1\0\0\1\0", 5);
    QTest::newRow("make coupled") << QStringList{"fld_bMakeCoupled"} << ""
                                  << QByteArray("\1\0\0\0\1", 5);
}

void TestWizardPages::importOptionsWrittenBack()
{
    QFETCH(QStringList, ticks);
    QFETCH(QString, copyButton);
    QFETCH(QByteArray, record);
    ImportOptions options; // the import command's defaults
    ModalDriver driver;
    ModalAction action;
    for (const QString &tick : ticks)
        action.ticks.insert(QString(tick).remove('-'), !tick.startsWith('-'));
    if (!copyButton.isEmpty())
        action.ticks.insert(copyButton, true);
    action.button = "Import Return";
    driver.queue(action);
    QCOMPARE(runImportOptionsDialog(options, nullptr), 1);
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().first().title, QString("DlgImportOption_Info"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&options), sizeof options), record);
}

void TestWizardPages::importOptionsRejected_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window's close button") << "close";
}

void TestWizardPages::importOptionsRejected()
{
    QFETCH(QString, how);
    ImportOptions options;
    options.copyData = 1;
    DlgImportOption_Info dialog(&options);
    dialog.show();
    for (const char *name : {"fld_KeepNotes", "fld_bIncludeSFD", "fld_bMakeCoupled"})
        child<QAbstractButton>(&dialog, name)->click();
    child<QAbstractButton>(&dialog, "fld_iCopyData_0")->click();
    if (how == "cancel")
        child<QAbstractButton>(&dialog, "btnCancel")->click();
    else if (how == "escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&options), sizeof options),
             QByteArray("\1\0\0\1\0", 5));
}

QV_TEST_MAIN(TestWizardPages)
#include "tst_WizardPages.moc"
