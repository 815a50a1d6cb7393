// The single-return checks: item groups, return-level checks at their thresholds, edition bits.
#include "CheckFixture.h"
#include "PluginFolder.h"
#include "TestMain.h"
#include "plugin/TestPluginRecorder.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TypeCodes.h"
#include "model/PersonForms.h"

using namespace CheckFixture;

namespace {

const char kBeneficiary[] = "Tax beneficiary amount (Field 52080) must be more than $1.";
const char kTrainingAge[] = "Canada traing credit (Field 45350) cannot be claimed if tax payer's "
                            "age is not between 26 and 65.";
const char kTrainingImmigrant[] =
    "Canada traing credit (Field 45350) cannot be claimed by a new immigrant tax payer.";
const char kT778[] = "The chekbox selection for who has higher net income in form T778 is "
                     "wrongfully selected.";
const char kSch8NotNeeded[] = "Schedule 8 is not needed, please remove it.";
const char kAddSch8[] = "Please add schedule 8 into tax return to calculate CPP contribution.";
const char kRemoveRc381[] = "Please remove form RC381, it's not needed.";
const char kAddRc381[] = "Please add form RC381 to tax return to calculate CPP/QPP contribution.";
const char kOneT2091[] = "There should be only one form T2091 in tax return according to Field "
                         "17900 of Schedule 3.";
const char kTwoT2091[] = "There should be two or more form T2091 in tax return according to Field "
                         "17900 of Schedule 3.";
const char kT2091Answer[] =
    "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.";
const char kCheck43[] = "Field 68080, in form T936 or reported as supporting field, requires an "
                        "entry at field 14100, 14300 or 23200 of form T1.";
const char kDeath[] = "Working Income Tax Benefit cannot be claimed because tax payer died before "
                      "July 1st in the tax year. Remove form Schedule 6.";
const char kHbp[] = "RRSP HBP repayment doesn't meet the minimum requirement according to last "
                    "year assessment.";
const char kMonths[] = "Number of months in form Schedule 11 can NOT be more than the "
                       "pre-bankrupt months in the tax year.";
const char kDays[] = "Number of days in form T2222 can NOT be greater than the pre-bankrupt days "
                     "in the tax year.";
const char kCca[] = "Please lower CCA claim amount (Field 9936) in Rental form T776, CCA claim "
                    "cannot create/increase a rental loss.";
const char kT2125Postcode[] = "Postcode in form T2125 indicates you are NOT doing business in the "
                              "tax province. Please correct the postcode or the tax return is NOT "
                              "eligible for NETFILE/EFILE service.";
const char kT2042Postcode[] = "Postcode in form T2042 indicates you are NOT doing business in the "
                              "tax province. Please correct the postcode or the tax return is NOT "
                              "eligible for NETFILE/EFILE service.";
const char kNoT4[] = "There is no [T4] tax slip in the return.";
const char kPlacement[] = "You claimed placement agency income in T4 slip; however, you didn't "
                          "report the income in any self-employment business form.";
const char kRemoveT1163[] = "Remove form T1163 since it's not allowed in this tax province.";
const char kRemoveT1273[] = "Remove form T1273 since it's not allowed in this tax province.";
const char kT1204[] = "Tax form T2125 is needed because tax slip T1204 is entered into tax return.";
const char kLine438[] = "Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax "
                        "deducted on Non-Quebec T4 slips.";
const char kSch15Both[] =
    "Schedule 15 cannot be claimed if tax payer and spouse are both younger than 18.";
const char kSch15Alone[] = "Schedule 15 cannot be claimed if tax payer's age is younger than 18 "
                           "and doesn't have a spouse.";
const char kSch15Immigrant[] = "Schedule 15 cannot be claimed by a new immigrant tax payer.";
const char kAddT183[] =
    "Add form T183 - Information Return of Electronic Filing, to the tax return.";
const char kEfilerId[] =
    "EFILER ID is missing or invalid in preference settings by menu Start | Preference.";
const char kEfilerPassword[] =
    "EFILER password is missing or invalid in preference settings by menu Start | Preference.";
const char kFlipping[] = "Answer to field 17905 of Schedule 3 requires a form T2125 to report "
                         "property-flipping activities.";
const char kPaperReturn[] = "A paper return is required by CRA since there is a net loss of "
                            "property-flipping activity reported.";

template <typename Form> Form *add(IndividualTaxData &person, int type)
{
    return dynamic_cast<Form *>(person.addForm(type, 0, true, 0, false)->data);
}

template <typename Slip> Slip *addSlip(IndividualTaxData &person, int type)
{
    return dynamic_cast<Slip *>(person.addSlip(type, 0, 0)->data);
}

// A form whose own check asks for its group with the texts it was given.
class AskingForm : public CTaxData_Form
{
public:
    AskingForm(int code, const QStringList &texts) : CTaxData_Form(code), m_texts(texts) {}
    bool validate(int, QStringList &messages) override
    {
        messages += m_texts;
        return true;
    }

private:
    QStringList m_texts;
};

void setEfiler(const QString &id, const QString &password)
{
    appInstance()->config.BusinessEFileNum = id;
    appInstance()->config.BusinessEFilePassword = password;
}

} // namespace

class TestReturnChecks : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanReturnAddsNothing();
    void itemGroups();
    void returnLevelChecks_data();
    void returnLevelChecks();
    void editionBits_data();
    void editionBits();
    void provincialTextsFollowCheck35();
    void defaultsAskNothing();
    void splitIncomeLinesAfterTheCalculation_data();
    void splitIncomeLinesAfterTheCalculation();

private:
    std::unique_ptr<PluginFolder> m_plugins;
};

void TestReturnChecks::init()
{
    // An empty folder: no plug-in texts unless a test links one. The old folder goes first:
    // its destructor points the manager back at the program's folder.
    m_plugins.reset();
    m_plugins = std::make_unique<PluginFolder>();
    setEfiler(QString(), QString());
}

void TestReturnChecks::cleanReturnAddsNothing()
{
    FamilyTaxData family(0);
    setUpPerson(*family.taxpayer());
    std::list<ValidationMsgGroup *> groups{new ValidationMsgGroup, new ValidationMsgGroup};
    QCOMPARE(family.taxpayer()->CheckSingleReturn(2, groups), 2);
    QCOMPARE(int(groups.size()), 2);

    // One finding adds the return-level group; the count includes the two held before.
    auto *t1 = dynamic_cast<TaxData_T1New *>(family.taxpayer()->getT1Data());
    t1->f45350 = 100;
    t1->birthDate = QDate(2000, 1, 1);
    QCOMPARE(family.taxpayer()->CheckSingleReturn(2, groups), 3);
    QCOMPARE(groups.back()->m_kind, 4);
    QCOMPARE(groups.back()->m_type, 0);
    QCOMPARE(textsOf(groups, 4), QStringList{kTrainingAge});
    freeValidationMsgGroups(groups);
}

void TestReturnChecks::itemGroups()
{
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person);
    addEntry(person.m_slipList, person, SlipType::T5, new AskingForm(SlipType::T5, {}));
    addEntry(person.m_formList, person, FormType::T2209,
             new AskingForm(FormType::T2209, {"first", "second"}));
    // A form that does not ask gives no group.
    add<TaxData_T90>(person, FormType::T90);

    std::list<ValidationMsgGroup *> groups;
    QCOMPARE(person.CheckSingleReturn(2, groups), 2);
    const ValidationMsgGroup *slip = groups.front();
    const ValidationMsgGroup *form = groups.back();
    QCOMPARE(slip->m_kind, 1);
    QCOMPARE(slip->m_type, SlipType::T5);
    QVERIFY(slip->m_msgs.empty());
    QCOMPARE(form->m_kind, 2);
    QCOMPARE(form->m_type, FormType::T2209);
    QCOMPARE(textsOf(groups, 2), (QStringList{"first", "second"}));
    freeValidationMsgGroups(groups);
}

void TestReturnChecks::returnLevelChecks_data()
{
    QTest::addColumn<PersonSetup>("setup");
    QTest::addColumn<QStringList>("expected");

    const auto beneficiary = [](double amount) {
        return PersonSetup([amount](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.beneficiaryFlag = 1;
            t1.deceasedFlag = true;
            p.addSlip(SlipType::T3, 0, 0);
            t1.f52080 = amount;
        });
    };
    QTest::newRow("52080 at 1.25") << beneficiary(1.25) << QStringList{kBeneficiary};
    QTest::newRow("52080 at 1.495") << beneficiary(1.495) << QStringList{};

    const auto training = [](int age, QDate entry) {
        return PersonSetup([age, entry](IndividualTaxData &, TaxData_T1New &t1) {
            t1.f45350 = 250;
            t1.birthDate = QDate(2025 - age, 3, 15);
            t1.entryDate = entry;
        });
    };
    QTest::newRow("age 25") << training(25, {}) << QStringList{kTrainingAge};
    QTest::newRow("age 26") << training(26, {}) << QStringList{};
    QTest::newRow("age 65") << training(65, {}) << QStringList{};
    QTest::newRow("age 66") << training(66, {}) << QStringList{kTrainingAge};
    QTest::newRow("immigrant on 2025-01-01") << training(40, QDate(2025, 1, 1)) << QStringList{};
    QTest::newRow("immigrant on 2025-01-02")
        << training(40, QDate(2025, 1, 2)) << QStringList{kTrainingImmigrant};

    const auto line438 = [](int province, double amount) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            p.m_province = province;
            auto *t4 = addSlip<TaxData_Slip_T4>(p, SlipType::T4);
            t4->box22 = 1000;
            t4->employmentKind = 2;
            t1.f43800 = amount;
        });
    };
    QTest::newRow("Quebec line 438 at 45%") << line438(11, 450) << QStringList{};
    QTest::newRow("Quebec line 438 at 450.01") << line438(11, 450.01) << QStringList{kLine438};
    QTest::newRow("line 438 outside Quebec") << line438(9, 900) << QStringList{};

    const auto fhsa = [](int age, int spouseAge, QDate entry, int renovationOnly) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.birthDate = QDate(2025 - age, 2, 1);
            t1.entryDate = entry;
            if (spouseAge > 0) {
                t1.maritalStatus = 0;
                t1.spouseBirthDate = QDate(2025 - spouseAge, 2, 1);
            }
            // The renovation schedule is not the deduction the texts name.
            if (renovationOnly)
                add<TaxData_Sch12_MultigHomeReno>(p, FormType::SCH12MHR);
            else
                add<TaxData_Sch15>(p, FormType::SCH15)->f20805 = 500;
        });
    };
    QTest::newRow("Schedule 15 at 17, spouse 17")
        << fhsa(17, 17, {}, false) << QStringList{kSch15Both};
    QTest::newRow("Schedule 15 at 17, spouse 18") << fhsa(17, 18, {}, false) << QStringList{};
    QTest::newRow("Schedule 15 at 17 alone") << fhsa(17, 0, {}, false) << QStringList{kSch15Alone};
    QTest::newRow("Schedule 15 at 18 alone") << fhsa(18, 0, {}, false) << QStringList{};
    QTest::newRow("Schedule 15, new immigrant")
        << fhsa(30, 0, QDate(2025, 5, 1), false) << QStringList{kSch15Immigrant};
    QTest::newRow("renovation schedule at 17 alone") << fhsa(17, 0, {}, true) << QStringList{};

    const auto t778 = [](int flag1, double spouseNet) {
        return PersonSetup([flag1, spouseNet](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.maritalStatus = 0;
            t1.f23600 = 30000;
            t1.spouseNetIncome = spouseNet;
            auto *form = add<TaxData_T778New>(p, FormType::T778);
            form->higherIncomeFlag1 = flag1;
            form->amount = 1000;
        });
    };
    QTest::newRow("T778 spouse above N + amount by 0.005") << t778(1, 31000.005) << QStringList{};
    QTest::newRow("T778 spouse above N + amount by 0.01")
        << t778(1, 31000.01) << QStringList{kT778};
    QTest::newRow("T778 own higher, not ticked") << t778(0, 29999.99) << QStringList{kT778};
    QTest::newRow("T778 own equal") << t778(0, 30000) << QStringList{};

    const auto cpp = [](int mode, bool sch8, bool rc381) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.cppMode = mode;
            if (sch8)
                add<TaxData_Sch8_14>(p, FormType::SCH8);
            if (rc381)
                add<TaxData_RC381>(p, FormType::RC381);
        });
    };
    QTest::newRow("mode 0 with Schedule 8") << cpp(0, true, false) << QStringList{kSch8NotNeeded};
    QTest::newRow("mode 0 with RC381") << cpp(0, false, true) << QStringList{kRemoveRc381};
    QTest::newRow("mode 1 without Schedule 8") << cpp(1, false, false) << QStringList{kAddSch8};
    QTest::newRow("mode 1 with both") << cpp(1, true, true) << QStringList{kRemoveRc381};
    QTest::newRow("mode 2 with Schedule 8")
        << cpp(2, true, false) << QStringList{kSch8NotNeeded, kAddRc381};
    QTest::newRow("mode 2 with RC381") << cpp(2, false, true) << QStringList{};

    const auto t2091 = [](int answer, int forms) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &) {
            add<TaxData_Sch3>(p, FormType::SCH3)->answer17900 = answer;
            for (int i = 0; i < forms; ++i)
                p.addForm(i == 0 ? FormType::T2091 : FormType::T2091WS, 0, true, 0, false);
        });
    };
    QTest::newRow("17900 answer 1, two T2091") << t2091(1, 2) << QStringList{kOneT2091};
    QTest::newRow("17900 answer 1, one T2091") << t2091(1, 1) << QStringList{};
    QTest::newRow("17900 answer 2, one T2091") << t2091(2, 1) << QStringList{kTwoT2091};
    QTest::newRow("17900 answer 5, no T2091") << t2091(5, 0) << QStringList{};
    QTest::newRow("17900 answer 5, one T2091") << t2091(5, 1) << QStringList{kT2091Answer};
    QTest::newRow("T2091 without Schedule 3")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &) {
               p.addForm(FormType::T2091, 0, true, 0, false);
           })
        << QStringList{kT2091Answer};

    QTest::newRow("T936 68080 alone: checks 43 and 58")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &) {
               add<TaxData_T936New>(p, FormType::T936)->f68080 = 500;
           })
        << QStringList{kCheck43, kCheck43};
    QTest::newRow("supporting 68080 without T936: check 58")
        << PersonSetup([](IndividualTaxData &, TaxData_T1New &t1) { t1.support68080 = 500; })
        << QStringList{kCheck43};
    QTest::newRow("T936 68080 with 14100")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &t1) {
               add<TaxData_T936New>(p, FormType::T936)->f68080 = 500;
               t1.f14100 = 10;
           })
        << QStringList{};

    const auto death = [](QDate died) {
        return PersonSetup([died](IndividualTaxData &p, TaxData_T1New &t1) {
            add<TaxData_Sch6>(p, FormType::SCH6);
            t1.deathDate = died;
        });
    };
    QTest::newRow("death on 2025-06-30") << death(QDate(2025, 6, 30)) << QStringList{kDeath};
    QTest::newRow("death on 2025-07-01") << death(QDate(2025, 7, 1)) << QStringList{};
    QTest::newRow("death in 2024") << death(QDate(2024, 12, 31)) << QStringList{kDeath};

    const auto hbp = [](double sch7Repayment) {
        return PersonSetup([sch7Repayment](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.hbpRepaymentRequired = 1000;
            t1.hbpRepayment = 600;
            add<TaxData_Sch7>(p, FormType::SCH7)->f24600 = sch7Repayment;
        });
    };
    QTest::newRow("HBP 600 + 400") << hbp(400) << QStringList{};
    QTest::newRow("HBP 600 + 399.99") << hbp(399.99) << QStringList{kHbp};

    const auto bankruptcy = [](QDate date, double months, double days) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.bankruptDate = date;
            t1.preBankruptcyReturn = true;
            if (months > 0)
                add<TaxData_Sch11>(p, FormType::SCH11)->fullTimeMonths = months;
            if (days > 0)
                add<CTaxData_T2222>(p, FormType::T2222)->days3 = days;
        });
    };
    QTest::newRow("Schedule 11 months 3.5, 3 bankrupt months")
        << bankruptcy(QDate(2025, 4, 20), 3.5, 0) << QStringList{kMonths};
    QTest::newRow("Schedule 11 months 3, 3 bankrupt months")
        << bankruptcy(QDate(2025, 4, 20), 3, 0) << QStringList{};
    QTest::newRow("T2222 days 30.9, 30 bankrupt days")
        << bankruptcy(QDate(2025, 1, 31), 0, 30.9) << QStringList{};
    QTest::newRow("T2222 days 31, 30 bankrupt days")
        << bankruptcy(QDate(2025, 1, 31), 0, 31) << QStringList{kDays};

    QTest::newRow("61: tax-exempt income without T90")
        << PersonSetup([](IndividualTaxData &, TaxData_T1New &t1) { t1.taxExemptFlag = 1; })
        << QStringList{"Please add form [T90] into return to report tax-exempted income."};
    const auto t1032 = [](int marital, const char *spouseSin) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.maritalStatus = marital;
            t1.spouseSin = QString(spouseSin);
            p.addForm(FormType::T1032, 0, true, 0, false);
        });
    };
    const QString enterSin = "Please enter spouse social insurance number on page 1 of T1 as "
                             "required by form T1032.";
    QTest::newRow("86: valid spouse S.I.N.") << t1032(0, "130 692 544") << QStringList{};
    QTest::newRow("86: check digit wrong") << t1032(0, "130692545") << QStringList{enterSin};
    QTest::newRow("86: zeros") << t1032(0, "000000000") << QStringList{enterSin};
    QTest::newRow("86: blanks") << t1032(0, "   ") << QStringList{enterSin};
    QTest::newRow("85: single with T1032")
        << t1032(5, "130692544")
        << QStringList{"Please remove T1032 of Split Pension Income, or confirm a separation with "
                       "spouse for less than 90 days in the tax year on page 1 of T1."};

    QTest::newRow("one CCA message for two T776") << PersonSetup([](IndividualTaxData &p,
                                                                    TaxData_T1New &t1) {
        t1.f12600 = -800;
        for (int i = 0; i < 2; ++i) {
            auto *t776 =
                dynamic_cast<TaxData_T776New *>(p.addForm(FormType::T776, 0, true, 0, false)->data);
            t776->netRental = -400;
            t776->f9936 = 150;
        }
    }) << QStringList{kCca};

    const auto business = [](int province, int type, const char *postcode) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            p.m_province = province;
            t1.setMainTaxProvince(province);
            t1.selfEmploymentProvince = province;
            CTaxData_Form *form = p.addForm(type, 0, true, 0, false)->data;
            if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(form))
                t2125->businessPostalCode = QString(postcode);
            if (auto *t2042 = dynamic_cast<TaxData_T2042New *>(form))
                t2042->businessPostalCode = QString(postcode);
        });
    };
    QTest::newRow("K1A for a Quebec business")
        << business(11, FormType::T2125, "K1A 0B1") << QStringList{kT2125Postcode};
    QTest::newRow("H2X for a Quebec business")
        << business(11, FormType::T2125, "h2x 1y4") << QStringList{};
    QTest::newRow("X0A for the Northwest Territories")
        << business(7, FormType::T2042, "X0A 0H0") << QStringList{kT2042Postcode};
    QTest::newRow("X0E for the Northwest Territories")
        << business(7, FormType::T2042, "X0E 0N0") << QStringList{};

    const auto t4Income = [](bool slip, int kind) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            t1.selfEmploymentProvince = 9;
            auto *t2125 = add<TaxData_T2125_New>(p, FormType::T2125);
            t2125->businessPostalCode = QStringLiteral("M5V 3L9");
            t2125->t4Income = 1;
            if (slip)
                addSlip<TaxData_Slip_T4>(p, SlipType::T4)->employmentKind = kind;
        });
    };
    QTest::newRow("118: T4 income without a T4") << t4Income(false, 0) << QStringList{kNoT4};
    QTest::newRow("118: T4 income with a placement-agency T4")
        << t4Income(true, 0) << QStringList{};
    QTest::newRow("118: placement agency without T4 income")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &) {
               addSlip<TaxData_Slip_T4>(p, SlipType::T4)->employmentKind = 0;
           })
        << QStringList{kPlacement};
    QTest::newRow("118: a new T4 is ordinary employment")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &) {
               addSlip<TaxData_Slip_T4>(p, SlipType::T4)->box14 = 30000;
           })
        << QStringList{};
    QTest::newRow("118: T4 of another kind")
        << PersonSetup([](IndividualTaxData &p, TaxData_T1New &) {
               addSlip<TaxData_Slip_T4>(p, SlipType::T4)->employmentKind = 2;
           })
        << QStringList{};

    const auto farm = [](int province, int type) {
        return PersonSetup([=](IndividualTaxData &p, TaxData_T1New &t1) {
            p.m_province = province;
            t1.setMainTaxProvince(province);
            t1.selfEmploymentProvince = province;
            if (type == FormType::T1163) {
                auto *t1163 = add<TaxData_T1163New>(p, type);
                t1163->farmsteadProvince = province;
                t1163->businessPostalCode = province == 9 ? "N0B 1A0" : "V0K 1A0";
            } else {
                addEntry(p.m_formList, p, type, new TaxData_UnusedForm(type));
            }
        });
    };
    QTest::newRow("119: T1163 in Ontario") << farm(9, FormType::T1163) << QStringList{kRemoveT1163};
    QTest::newRow("119: T1163 in British Columbia") << farm(2, FormType::T1163) << QStringList{};
    QTest::newRow("120: T1273 in British Columbia")
        << farm(2, FormType::T1273) << QStringList{kRemoveT1273};
    QTest::newRow("120: T1273 in Ontario") << farm(9, FormType::T1273) << QStringList{};
    QTest::newRow("121: T1204 without T2125")
        << PersonSetup(
               [](IndividualTaxData &p, TaxData_T1New &) { p.addSlip(SlipType::T1204, 0, 0); })
        << QStringList{kT1204};
}

void TestReturnChecks::returnLevelChecks()
{
    QFETCH(PersonSetup, setup);
    QFETCH(QStringList, expected);
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    TaxData_T1New *t1 = setUpPerson(person);
    setup(person, *t1);
    QCOMPARE(returnTexts(person), expected);
}

void TestReturnChecks::editionBits_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("withT183");
    QTest::addColumn<QString>("efilerId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("NETFILE: no EFILE set-up checks") << 2 << false << ""
                                                     << "" << QStringList{kFlipping, kPaperReturn};
    QTest::newRow("EFILE, five characters with blanks, password of 7")
        << 1 << true << "  A1B2C "
        << "abcdefg" << QStringList{kFlipping};
    QTest::newRow("EFILE, password of 6") << 1 << true << "A1B2C"
                                          << "abcdef" << QStringList{kEfilerPassword, kFlipping};
    QTest::newRow("EFILE, nothing set up")
        << 1 << false << "A1B2"
        << "" << QStringList{kAddT183, kEfilerId, kEfilerPassword, kFlipping};
    QTest::newRow("both bits") << 3 << true << "A1B2C"
                               << "abcdefg" << QStringList{kFlipping, kPaperReturn};
}

void TestReturnChecks::editionBits()
{
    QFETCH(int, edition);
    QFETCH(bool, withT183);
    QFETCH(QString, efilerId);
    QFETCH(QString, password);
    QFETCH(QStringList, expected);
    setEfiler(efilerId, password);
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    TaxData_T1New *t1 = setUpPerson(person);
    if (withT183)
        add<TaxData_T183New>(person, FormType::T183);
    // Check 56: a property-flipping answer without T2125 and a loss at 13500.
    add<TaxData_Sch3>(person, FormType::SCH3)->answer17905 = 0;
    t1->f13500 = -0.01;
    QCOMPARE(returnTexts(person, static_cast<unsigned char>(edition)), expected);
}

void TestReturnChecks::provincialTextsFollowCheck35()
{
    TestPluginRecorder recorder;
    recorder.scripts[9].checkTexts = QStringList{"Ontario text 1", "Ontario text 2"};
    QVERIFY(m_plugins->linkTestPlugin(9, &recorder));
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    TaxData_T1New *t1 = setUpPerson(person);
    t1->f45350 = 100;
    t1->birthDate = QDate(1950, 1, 1); // check 30 before the plug-in's texts
    t1->support68080 = 10;             // check 58 after them
    QCOMPARE(returnTexts(person),
             (QStringList{kTrainingAge, "Ontario text 1", "Ontario text 2", kCheck43}));
}

void TestReturnChecks::defaultsAskNothing()
{
    // New schedules, a new T1 and a new T5013 slip's IDs are unanswered, not answers.
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person);
    add<TaxData_Sch3>(person, FormType::SCH3);
    add<TaxData_Sch6>(person, FormType::SCH6);
    QCOMPARE(returnTexts(person), QStringList{});
    auto *t5013 = addSlip<TaxData_Slip_T5013>(person, SlipType::T5013);
    addSlip<TaxData_Slip_T5013>(person, SlipType::T5013);
    const QString ids = "Please complete partnership ID and/or tax shelter ID in T5013 slip.";
    QCOMPARE(returnTexts(person), (QStringList{ids, ids}));
    t5013->partnershipId = QStringLiteral("123456789");
    QCOMPARE(returnTexts(person), QStringList{ids});
}

void TestReturnChecks::splitIncomeLinesAfterTheCalculation_data()
{
    QTest::addColumn<double>("otherSplitIncome");
    QTest::addColumn<double>("splitDividends");
    QTest::addColumn<QStringList>("expected");
    const QString dividends =
        "Field 68330 in form T1206 can NOT be greater than field 12000 of T1.";
    const QString other = "Field 68340 in form T1206 can NOT be greater than field 12010 of T1.";
    // The calculation leaves the T1206's lines 68330, 68340 and 68360 as the form means them
    // (the taxable dividends, their other-than-eligible part, the total split income that line
    // 23200 deducts): a split income of the return raises none of the form's texts.
    QTest::newRow("split interest") << 10000.0 << 0.0 << QStringList{};
    QTest::newRow("split dividends on the return") << 0.0 << 2300.0 << QStringList{};
    QTest::newRow("split dividends above line 12000")
        << 0.0 << 2300.01 << QStringList{dividends, other};
}

void TestReturnChecks::splitIncomeLinesAfterTheCalculation()
{
    QFETCH(double, otherSplitIncome);
    QFETCH(double, splitDividends);
    FamilyTaxData family(0);
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person);
    // 10,000 of interest and 2,000 of other-than-eligible dividends (taxable 2,300).
    auto *t5 = addSlip<TaxData_Slip_T5>(person, SlipType::T5);
    t5->box13 = 10000;
    t5->box10 = 2000;
    t5->box11 = 2300;
    auto *t1206 = add<TaxData_T1206New>(person, FormType::T1206);
    t1206->splitIncome = otherSplitIncome;
    t1206->splitDividends = splitDividends;
    t1206->splitOtherDividends = splitDividends;
    family.Recalculate(0, nullptr);
    QCOMPARE(double(t1206->f68360), otherSplitIncome + splitDividends);
    QStringList texts;
    for (const QString &text : returnTexts(person)) {
        if (text.contains("T1206"))
            texts << text;
    }
    QTEST(texts, "expected");
}

QV_TEST_MAIN(TestReturnChecks)
#include "tst_ReturnChecks.moc"
