// The optimiser's and the tax-planning dialogs offscreen: what they show, what the sliders
// write into the copy, and that the open return changes only by an accepted split.
#include <QtTest>

#include "CalcFixture.h"
#include "EditorFixture.h"
#include "ModalDriver.h"
#include "OptimiserFixture.h"
#include "ReturnFixture.h"
#include "ScriptedPresenter.h"
#include "TestMain.h"

#include "app/TabWndApp.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "wizards/DlgOptimizeReturn.h"
#include "wizards/DlgTaxPlanning.h"
#include "wizards/WizardServices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

using namespace CalcFixture;

namespace {

struct ServicesReset
{
    ~ServicesReset() { neighbourServices() = NeighbourServices(); }
};

QString textOf(QWidget *dialog, const char *name)
{
    if (auto *label = dialog->findChild<QLabel *>(name))
        return label->text();
    if (auto *edit = dialog->findChild<QLineEdit *>(name))
        return edit->text();
    qFatal("no text widget %s", name);
}

QSlider *slider(QWidget *dialog, const char *name)
{
    return dialog->findChild<QSlider *>(name);
}

// A couple of Alberta, both 66, the taxpayer's pension split up to 3,000 and the split now
// at 1,234.56; donations of 100.50 (taxpayer), 200 (spouse) and 300 (joint).
struct DialogCouple
{
    OptimiserCouple c;
    DataShareAmtDlg amounts;

    bool setUp()
    {
        if (!c.setUp(ProvinceCode::AB, 66, 66))
            return false;
        c.addIncome(true, 50000, 8000);
        c.addIncome(false, 20000);
        c.elect(3000);
        c.election(true)->electedAmount = 1234.56;
        c.election(false)->electedAmount = 1234.56;
        c.family().Recalculate(0, nullptr);
        amounts.fld_Pension_1 = 3000;
        amounts.fld_Pension_2 = 3000;
        amounts.fld_Donation_1 = 100.5;
        amounts.fld_Donation_2 = 200;
        amounts.fld_Donation_3 = 300;
        return true;
    }
    TaxData_Sch9 *gifts(bool taxpayer)
    {
        return existing<TaxData_Sch9>(taxpayer ? *c.family().taxpayer() : *c.family().spouse(),
                                      FormType::SCH9);
    }
};

} // namespace

class TestOptimiserDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void bestResultShowsTheOptimisersDivision();
    void reCalculateRestoresBoth();
    void donationSliderEnds_data();
    void donationSliderEnds();

    void acceptWritesTheBestSplit();
    void noChangeLeavesTheReturn();
    void taxPayerWithoutT1IsRefused();

    void planningMaximum_data();
    void planningMaximum();
    void planningSingleReturn();
    void planningLeavesTheReturn();

private:
    Form_Return *openEditor(FamilyTaxData *family);
    // The fixture's couple with the taxpayer's pension split elected, Schedules 9 on both.
    FamilyTaxData *electingCouple();

    std::unique_ptr<EditorFixture> m_fixture;
    std::unique_ptr<ScriptedPresenter> m_presenter;
    std::unique_ptr<ServicesReset> m_services;
};

void TestOptimiserDialogs::init()
{
    m_fixture = std::make_unique<EditorFixture>();
    m_presenter = std::make_unique<ScriptedPresenter>();
    m_services = std::make_unique<ServicesReset>();
    appInstance()->config.SaveBackup = 0;
    appInstance()->config.RetPath = m_fixture->dir();
    installWizardServices(neighbourServices());
}

void TestOptimiserDialogs::cleanup()
{
    m_fixture.reset();
    m_presenter.reset();
    m_services.reset();
}

Form_Return *TestOptimiserDialogs::openEditor(FamilyTaxData *family)
{
    MainWindow *w = m_fixture->window();
    w->resize(1270, 673);
    w->show();
    w->addReturnPage(nullptr, family);
    w->shownEditor()->findChild<QComboBox *>("comboBox")->setCurrentIndex(0);
    m_presenter->clear();
    return w->shownEditor();
}

FamilyTaxData *TestOptimiserDialogs::electingCouple()
{
    FamilyTaxData *family = EditorFixture::coupledReturn(1, 0);
    IndividualTaxData &taxpayer = *family->taxpayer();
    IndividualTaxData &spouse = *family->spouse();
    LinkedReturn::addSlip(taxpayer, SlipType::T4A, {{"box16", 12000}});
    auto *mine = form<TaxData_T1032_New>(taxpayer, FormType::T1032);
    auto *theirs = form<TaxData_T1032_New>(spouse, FormType::T1032);
    mine->transferer = 0;
    theirs->transferer = 1;
    mine->amount = 2500;
    theirs->amount = 2500;
    form<TaxData_Sch9>(taxpayer, FormType::SCH9);
    form<TaxData_Sch9>(spouse, FormType::SCH9);
    family->Recalculate(-1, nullptr);
    return family;
}

// ---- DlgOptimizeReturn on a copy

void TestOptimiserDialogs::bestResultShowsTheOptimisersDivision()
{
    DialogCouple d;
    if (!d.setUp())
        QSKIP("the Alberta plug-in could not be linked");
    FamilyTaxData &copy = d.c.family();
    d.gifts(true);
    DlgOptimizeReturn dialog(&copy, &d.amounts, nullptr);
    const QString mine = copy.taxpayer()->getIncomeSummary();
    const QString theirs = copy.spouse()->getIncomeSummary();
    const QString family = copy.getIncomeSummary();
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Optimize Tax Return"));
    QCOMPARE(textOf(&dialog, "lblBestResultTitle"),
             QStringLiteral("Best Result: pension split = [1234.56]"));
    QCOMPARE(slider(&dialog, "sldPensionSplit")->value(), 1234);
    QCOMPARE(slider(&dialog, "sldPensionSplit")->maximum(), 3000);
    QCOMPARE(slider(&dialog, "sldDonation")->maximum(), 600);
    QCOMPARE(textOf(&dialog, "lblMaxPension"), QStringLiteral("3000.00"));
    QCOMPARE(textOf(&dialog, "lblMaxDonation"), QStringLiteral("600.50"));
    QCOMPARE(textOf(&dialog, "edtPension"), QStringLiteral("1234.56"));
    // Placing the sliders ran nothing: the copy and the best lines are the optimiser's.
    QCOMPARE(double(d.c.election(true)->electedAmount), 1234.56);
    QCOMPARE(textOf(&dialog, "lblBestResult1"), mine);
    QCOMPARE(textOf(&dialog, "lblBestResult2"), theirs);
    QCOMPARE(textOf(&dialog, "lblFamilyBest"), family);
    QCOMPARE(textOf(&dialog, "lblResult1"), mine);
    QCOMPARE(textOf(&dialog, "lblBestFullName1"), QStringLiteral("Louise Gagnon"));
    QCOMPARE(textOf(&dialog, "lblName2"), QStringLiteral("Paul Gagnon"));
    QCOMPARE(dialog.bestSplit(), 1234.56);
}

void TestOptimiserDialogs::reCalculateRestoresBoth()
{
    DialogCouple d;
    if (!d.setUp())
        QSKIP("the Alberta plug-in could not be linked");
    DlgOptimizeReturn dialog(&d.c.family(), &d.amounts, nullptr);
    dialog.show();
    slider(&dialog, "sldPensionSplit")->setValue(500);
    slider(&dialog, "sldDonation")->setValue(20);
    QCOMPARE(double(d.c.election(true)->electedAmount), 500.0);
    QCOMPARE(double(d.c.election(false)->electedAmount), 500.0);
    QCOMPARE(double(d.gifts(true)->donationSharing), 20 - 100.5);
    QCOMPARE(textOf(&dialog, "edtPension"), QStringLiteral("500.00"));

    QTest::mouseClick(dialog.findChild<QPushButton *>("btnReCalc"), Qt::LeftButton);
    QCOMPARE(dialog.currentSplit(), 1234.56);
    QCOMPARE(dialog.currentDonationShare(), 250.5);
    QCOMPARE(double(d.c.election(true)->electedAmount), 1234.56);
    QCOMPARE(double(d.c.election(false)->electedAmount), 1234.56);
    QCOMPARE(double(d.gifts(true)->donationSharing), 150.0);
    QCOMPARE(double(d.gifts(false)->donationSharing), 600.5 - 250.5 - 200);
    QCOMPARE(slider(&dialog, "sldPensionSplit")->value(), 1234);
    QCOMPARE(slider(&dialog, "sldDonation")->value(), 250);
    QCOMPARE(textOf(&dialog, "edtDonation1"), QStringLiteral("250.50"));
    QCOMPARE(textOf(&dialog, "edtDonation2"), QStringLiteral("350.00"));
    QCOMPARE(textOf(&dialog, "lblResult1"), QString(d.c.family().taxpayer()->getIncomeSummary()));
}

void TestOptimiserDialogs::donationSliderEnds_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("taxpayerSharing");
    QTest::addColumn<double>("spouseSharing");
    QTest::addColumn<QString>("taxpayerShown");
    QTest::addColumn<QString>("spouseShown");
    QTest::newRow("all to the spouse") << 0 << -100.5 << 400.5 << "0.00"
                                       << "600.50";
    QTest::newRow("all to the taxpayer, up to the truncated total")
        << 600 << 499.5 << -199.5 << "600.00"
        << "0.50";
}

void TestOptimiserDialogs::donationSliderEnds()
{
    QFETCH(int, position);
    QFETCH(double, taxpayerSharing);
    QFETCH(double, spouseSharing);
    QFETCH(QString, taxpayerShown);
    QFETCH(QString, spouseShown);
    DialogCouple d;
    if (!d.setUp())
        QSKIP("the Alberta plug-in could not be linked");
    DlgOptimizeReturn dialog(&d.c.family(), &d.amounts, nullptr);
    dialog.show();
    slider(&dialog, "sldDonation")->setValue(position);
    QCOMPARE(double(d.gifts(true)->donationSharing), taxpayerSharing);
    QCOMPARE(double(d.gifts(false)->donationSharing), spouseSharing);
    QCOMPARE(textOf(&dialog, "edtDonation1"), taxpayerShown);
    QCOMPARE(textOf(&dialog, "edtDonation2"), spouseShown);
    // The split stays the optimiser's.
    QCOMPARE(double(d.c.election(true)->electedAmount), 1234.56);
}

// ---- the optimise command on an open return

void TestOptimiserDialogs::acceptWritesTheBestSplit()
{
    Form_Return *editor = openEditor(electingCouple());
    FamilyTaxData *family = editor->family();
    // The optimiser's own run on a second copy tells the split the dialog holds.
    FamilyTaxData reference(0);
    reference = *family;
    DataShareAmtDlg amounts;
    reference.ShareAmountsBetweenSpouses(amounts);
    const double best =
        existing<TaxData_T1032_New>(*reference.taxpayer(), FormType::T1032)->electedAmount;
    reference.freeAllData();

    ModalDriver driver;
    driver.pressButton("Optimize");
    driver.pressButton("Set T1032 and Close");
    editor->optimizeReturn();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(driver.seen().at(0).title, QStringLiteral("Identify Shareable Amounts"));
    QCOMPARE(driver.seen().at(1).title, QStringLiteral("Optimize Tax Return"));
    for (IndividualTaxData *person : {family->taxpayer(), family->spouse()}) {
        auto *t1032 = existing<TaxData_T1032_New>(*person, FormType::T1032);
        QCOMPARE(double(t1032->electedAmount), best);
        QCOMPARE(t1032->election.value(), true);
    }
    QVERIFY(best > 0);
}

void TestOptimiserDialogs::noChangeLeavesTheReturn()
{
    Form_Return *editor = openEditor(electingCouple());
    FamilyTaxData *family = editor->family();
    const QByteArray before = ReturnFixture::saveToBytes(*family);
    ModalDriver driver;
    driver.pressButton("Optimize");
    driver.pressButton("No Change and Close");
    editor->optimizeReturn();
    QCOMPARE(driver.pendingActions(), 0);
    QCOMPARE(ReturnFixture::saveToBytes(*family), before);
}

void TestOptimiserDialogs::taxPayerWithoutT1IsRefused()
{
    FamilyTaxData copy(0);
    addQuebecReturnEntry(*copy.spouse());
    QVERIFY(copy.isCoupled());
    DataShareAmtDlg amounts;
    amounts.fld_BankInterest_3 = 1000;
    double split = -1;
    QCOMPARE(runOptimizeReturn(copy, amounts, nullptr, split), 0);
    QCOMPARE(split, -1.0);
    QCOMPARE(m_presenter->shown().size(), 1);
    QCOMPARE(m_presenter->shown().first().text, notCoupledText());
    QVERIFY(!copy.spouse()->hasForm(FormType::SCH9));
}

// ---- DlgTaxPlanning

void TestOptimiserDialogs::planningMaximum_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("end");
    QTest::newRow("negative") << "-500"
                              << "0" << 0;
    QTest::newRow("not a number") << "abc"
                                  << "0" << 0;
    QTest::newRow("with cents") << "1234.56"
                                << "1235" << 1234;
}

void TestOptimiserDialogs::planningMaximum()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, end);
    OptimiserCouple c;
    if (!c.setUp(ProvinceCode::AB, 40, 40))
        QSKIP("the Alberta plug-in could not be linked");
    c.addIncome(true, 50000);
    c.addIncome(false, 30000);
    c.family().Recalculate(0, nullptr);
    DlgTaxPlanning dialog(&c.family(), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tax Planning"));
    QVERIFY(!c.family().taxpayer()->hasForm(FormType::SCH7));
    for (const char *name : {"edtRRSPMax", "edtIncomeMax"}) {
        auto *edit = dialog.findChild<QLineEdit *>(name);
        edit->setText(typed);
        emit edit->editingFinished();
        QCOMPARE(edit->text(), shown);
    }
    QCOMPARE(slider(&dialog, "sldRRSP")->maximum(), end);
    QCOMPARE(slider(&dialog, "sldIncome")->maximum(), end);
    if (end == 0)
        return;
    // A slider's move writes the plan into the copy: Schedule 7 is made there.
    slider(&dialog, "sldIncome")->setValue(1000);
    QCOMPARE(textOf(&dialog, "lblCurIncome"), QStringLiteral("1000"));
    QCOMPARE(double(c.mine->incomeItem), 1000.0);
    QCOMPARE(double(c.mine->f26000), 51000.0);
    auto *sch7 = existing<TaxData_Sch7>(*c.family().taxpayer(), FormType::SCH7);
    QVERIFY(sch7);
    QCOMPARE(double(sch7->rrspDeductionLimit), 1234.56);
    QCOMPARE(textOf(&dialog, "lblResult1_1"),
             QStringLiteral("Louise Gagnon - ") + c.family().taxpayer()->getIncomeSummary());
    QVERIFY(textOf(&dialog, "lblResult1_1") != textOf(&dialog, "lblResult1_2"));
    // Lowering the maximum under the amount lowers the amount and plans again.
    auto *income = dialog.findChild<QLineEdit *>("edtIncomeMax");
    income->setText("600");
    emit income->editingFinished();
    QCOMPARE(double(c.mine->incomeItem), 600.0);
}

void TestOptimiserDialogs::planningSingleReturn()
{
    LinkedReturn r;
    if (!r.setUp(ProvinceCode::AB, QDate(1985, 3, 1)))
        QSKIP("the Alberta plug-in could not be linked");
    r.addSlip(SlipType::T4A, {{"box28", 40000}});
    r.family.Recalculate(0, nullptr);
    DlgTaxPlanning dialog(&r.family, nullptr);
    const QString line = QStringLiteral("Louise Gagnon - ") + r.person().getIncomeSummary();
    QCOMPARE(textOf(&dialog, "lblResult1_1"), line);
    QCOMPARE(textOf(&dialog, "lblResult1_2"), line);
    for (const char *name : {"lblResult2_1", "lblResult3_1", "lblResult2_2", "lblResult3_2"})
        QCOMPARE(textOf(&dialog, name), QString());
}

void TestOptimiserDialogs::planningLeavesTheReturn()
{
    Form_Return *editor = openEditor(EditorFixture::coupledReturn(1, 0));
    FamilyTaxData *family = editor->family();
    const QByteArray before = ReturnFixture::saveToBytes(*family);
    const bool hadSchedule7 = family->taxpayer()->hasForm(FormType::SCH7);
    // The plan is tried on the copy as a user would: maxima typed, a slider moved, Close.
    QString title;
    double planned = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<DlgTaxPlanning *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        title = dialog->windowTitle();
        auto *income = dialog->findChild<QLineEdit *>("edtIncomeMax");
        income->setText("5000");
        emit income->editingFinished();
        slider(dialog, "sldIncome")->setValue(5000);
        planned = textOf(dialog, "lblCurIncome").toDouble();
        dialog->findChild<QDialogButtonBox *>("buttonBox")
            ->button(QDialogButtonBox::Close)
            ->click();
    });
    poll.start();
    editor->taxPlanning();
    QCOMPARE(title, QStringLiteral("Tax Planning"));
    QCOMPARE(planned, 5000.0);
    QCOMPARE(ReturnFixture::saveToBytes(*family), before);
    QCOMPARE(family->taxpayer()->hasForm(FormType::SCH7), hadSchedule7);
}

QV_TEST_MAIN(TestOptimiserDialogs)
#include "tst_OptimiserDialogs.moc"
