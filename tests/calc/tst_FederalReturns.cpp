// Whole returns through the recalculation, for the federal steps: contributions on
// self-employment (Schedule 8, the RC381 for Quebec), the minimum tax, the credits that typed
// amounts and further forms give, and the rebate that reaches the refund. Each row's lines
// are worked out by hand beside it from the figures of docs/TaxFigures2025.md; amounts are
// rounded to the cent at each line. The provincial tax (line 42800) is the province plug-in's
// and is not restated here: line 43500 is checked as 42000 + 42100 + 42800.
#include <QtTest>

#include "CalcFixture.h"
#include "LinkedReturn.h"
#include "TestMain.h"
#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/DependantInfoStruct.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "marrow/WizardData.h"
#include "model/FamilyTaxData.h"

#include <vector>

using namespace CalcFixture;
using namespace ProvinceCode;

namespace {

using Return = LinkedReturn;

const QDate kBornAt40(1985, 3, 1);
const QDate kBornAt17(2008, 3, 1);

// A business statement (T2125) with the gross income and no expenses, and the CPP form a
// person adds for it (the RC381 in Quebec, Schedule 8 elsewhere).
void business(IndividualTaxData &person, double gross)
{
    TaxDataEntryStru *entry = person.addForm(FormType::T2125, 0, true, 0, false);
    auto *t2125 = static_cast<TaxData_T2125_New *>(entry->data);
    t2125->kind = 0;
    t2125->grossIncome = gross;
    person.getForm(person.m_province == QC ? FormType::RC381 : FormType::SCH8, 0, true);
}

// A T4 with the contributions a payroll takes for the province of employment.
void employment(IndividualTaxData &person, int province, double earnings, double cpp, double cpp2,
                double ei, double taxDeducted)
{
    Return::addSlip(person, SlipType::T4,
                    {{"box14", earnings},
                     {"box16", cpp},
                     {"box16A", cpp2},
                     {"box18", ei},
                     {"box22", taxDeducted},
                     {"box24", earnings},
                     {"box26", earnings},
                     {"provinceOfEmployment", province}});
}

// A capital gain sold this year, typed on Schedule 3 (proceeds, no cost), and the T691 a
// person adds for it when asked to (none when withT691 is false).
void capitalGain(IndividualTaxData &person, double gain, bool withT691 = true)
{
    form<TaxData_Sch3>(person, FormType::SCH3)->dispositions.amountAt(0, 0) = gain;
    if (withT691)
        form<TaxData_T691New>(person, FormType::T691);
}

// The minimum tax carried from earlier years, as the notice of assessment gives it.
void minimumTaxCarryOver(IndividualTaxData &person, double amount)
{
    form<TaxData_T691New>(person, FormType::T691)->carryOver = amount;
}

// 15,000 of employment with 1,000 of tax deducted, and the two territorial carbon price
// rebates: the business rebate 300 + 200 (T224) and the farmers' 150 (T225).
// Employment income and a T4E of 10,000 of regular benefits with the repayment rate given in
// its box 7.
void regularEiBenefits(Return &r, double earnings, double repaymentRate,
                       const QDate &born = kBornAt40)
{
    r.setUp(ON, born);
    Return::addSlip(r.person(), SlipType::T4, {{"box14", earnings}});
    Return::addSlip(r.person(), SlipType::T4E,
                    {{"box7", repaymentRate}, {"box14", 10000}, {"box15", 10000}});
}

// Employment income, Schedule 6, and when given the disability amount claimed and an RC210
// with the benefit's advance payments (box 10, and box 11 for the disability supplement).
void workersBenefit(Return &r, double earnings, bool disability, double box10 = 0, double box11 = 0,
                    int province = ON)
{
    TaxData_T1New *t1 = r.setUp(province, kBornAt40);
    t1->disabilityFlag = disability ? 1 : 0;
    Return::addSlip(r.person(), SlipType::T4, {{"box14", earnings}});
    form<TaxData_Sch6>(r.person(), FormType::SCH6);
    if (box10 > 0 || box11 > 0)
        Return::addSlip(r.person(), SlipType::RC210, {{"box10", box10}, {"box11", box11}});
}

void employmentWithCarbonRebates(Return &r, int province)
{
    r.setUp(province, kBornAt40);
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 15000}, {"box22", 1000}});
    auto *t224 = form<TaxData_T224>(r.person(), FormType::T224);
    t224->generalRebate = 300;
    t224->miningRebate = 200;
    form<TaxData_T225>(r.person(), FormType::T225)->rebateClaimed = 150;
}

// Quebec, 60,000 of employment and a T2209 with 1,000 of foreign income taxed 300 abroad,
// typed on the form and reported on its line of the return: as foreign interest (line 12100,
// on the worksheet) when it is income from property, else as other income (line 13000).
void typedForeignIncome(Return &r, bool fromProperty)
{
    r.setUp(QC, kBornAt40);
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
    if (fromProperty)
        form<TaxData_WS_D1>(r.person(), FormType::WSD1)->otherInterest = 1000;
    else
        r.t1->incomeItem = 1000;
    TaxDataEntryStru *entry = r.person().addForm(FormType::T2209, 0, true, 0, false);
    auto *t2209 = static_cast<TaxData_T2209_2036 *>(entry->data);
    t2209->foreignIncome = 1000;
    t2209->foreignTax = 300;
    t2209->typedIsPropertyIncome = fromProperty;
}

const std::vector<WholeReturn> &rows()
{
    static const std::vector<WholeReturn> table = {
        // Contributory 50,000 - 3,500 = 46,500: base 9.9% = 4,603.50, first additional 2% =
        // 930.00: 42100 = 5,533.50; 31000 = 4,603.50 / 2 = 2,301.75; 22200 = 930 + 2,301.75 =
        // 3,231.75. Net 50,000 - 3,231.75 = 46,768.25. Credits (16,129 + 2,301.75) x 14.5% =
        // 2,672.45875 -> 2,672.46. Tax 46,768.25 x 14.5% = 6,781.39625 -> 6,781.40; 42000 =
        // 4,108.94.
        {"ON, self-employed 50,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             business(r.person(), 50000);
         },
         {{"15000", 50000},
          {"22200", 3231.75},
          {"23600", 46768.25},
          {"26000", 46768.25},
          {"31000", 2301.75},
          {"35000", 2672.46},
          {"40427", 0},
          {"42000", 4108.94},
          {"42100", 5533.5}}},
        // Over both ceilings: 67,800 x 9.9% = 6,712.20, x 2% = 1,356.00; (81,200 - 71,300) x
        // 8% = 792.00: 42100 = 8,860.20; 31000 = 3,356.10; 22200 = 1,356 + 792 + 3,356.10 =
        // 5,504.10. Net 84,495.90. Credits (16,129 + 3,356.10) x 14.5% = 2,825.3395 ->
        // 2,825.34. Tax 8,319.375 + 27,120.90 x 20.5% = 13,879.1595 -> 13,879.16; 42000 =
        // 11,053.82.
        {"BC, self-employed 90,000",
         [](Return &r) {
             r.setUp(BC, kBornAt40);
             business(r.person(), 90000);
         },
         {{"15000", 90000},
          {"22200", 5504.1},
          {"23600", 84495.9},
          {"26000", 84495.9},
          {"31000", 3356.1},
          {"35000", 2825.34},
          {"40427", 0},
          {"42000", 11053.82},
          {"42100", 8860.2}}},
        // Below the basic exemption of 3,500: nothing to pay. Tax 290 is below the credits
        // 16,129 x 14.5% = 2,338.71.
        {"AB, self-employed 2,000",
         [](Return &r) {
             r.setUp(AB, kBornAt40);
             business(r.person(), 2000);
         },
         {{"15000", 2000},
          {"22200", 0},
          {"23600", 2000},
          {"26000", 2000},
          {"31000", 0},
          {"35000", 2338.71},
          {"40427", 0},
          {"42000", 0},
          {"42100", 0}}},
        // The T4's 4,034.10 cover 4,034.10 / 5.95% = 67,800 of earnings: no room left for
        // the base and first additional parts. Its CPP2 348 (on 80,000 - 71,300) cover
        // 348 / 4% = 8,700 of the 9,900 between the two ceilings: the other 1,200 pay 8% =
        // 96.00 (42100, all of it deducted on 22200). 30800 = 3,356.10, 22215 = 678 + 348 =
        // 1,026. Net 100,000 - 1,026 - 96 = 98,878. Credits (16,129 + 1,471 + 3,356.10 +
        // 1,077.48) x 14.5% = 3,194.8691 -> 3,194.87. Tax 8,319.375 + 41,503 x 20.5% =
        // 16,827.49; 42000 = 13,632.62.
        {"ON, T4 at the maximum and self-employed 20,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             employment(r.person(), ON, 80000, 4034.10, 348, 1077.48, 20000);
             business(r.person(), 20000);
         },
         {{"15000", 100000},
          {"22200", 96},
          {"22215", 1026},
          {"23600", 98878},
          {"26000", 98878},
          {"30800", 3356.1},
          {"31000", 0},
          {"35000", 3194.87},
          {"40427", 0},
          {"42000", 13632.62},
          {"42100", 96}}},
        // T4 35,000 paid 1,874.25, covering 31,500. Total 65,000: contributory 61,500, left
        // 30,000: base 2,970.00, first additional 600.00: 42100 = 3,570.00; 31000 = 1,485.00;
        // 22200 = 2,085.00. Employee: 30800 = 1,559.25, 22215 = 315.00. Net 65,000 - 2,085 -
        // 315 = 62,600. Credits (16,129 + 1,471 + 1,559.25 + 1,485 + 574) x 14.5% =
        // 3,076.64625 -> 3,076.65. Tax 8,319.375 + 5,225 x 20.5% = 9,390.50; 42000 = 6,313.85.
        {"ON, T4 35,000 and self-employed 30,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             employment(r.person(), ON, 35000, 1874.25, 0, 574, 5000);
             business(r.person(), 30000);
         },
         {{"15000", 65000},
          {"22200", 2085},
          {"22215", 315},
          {"23600", 62600},
          {"26000", 62600},
          {"30800", 1559.25},
          {"31000", 1485},
          {"35000", 3076.65},
          {"40427", 0},
          {"42000", 6313.85},
          {"42100", 3570}}},
        // QPP: 46,500 x 10.8% = 5,022.00 and x 2% = 930.00; 31000 = 2,511.00; 22200 = 930 +
        // 2,511 = 3,441.00; nothing on line 42100 (paid with the Quebec return). Net 46,559.
        // Credits (16,129 + 2,511) x 14.5% = 2,702.80. Tax 46,559 x 14.5% = 6,751.055 ->
        // 6,751.06; 42000 = 4,048.26; abatement 16.5% = 667.96.
        {"QC, self-employed 50,000",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             business(r.person(), 50000);
         },
         {{"15000", 50000},
          {"22200", 3441},
          {"23600", 46559},
          {"26000", 46559},
          {"31000", 2511},
          {"35000", 2702.8},
          {"40427", 0},
          {"42000", 4048.26},
          {"42100", 0},
          {"44000", 667.96}}},
        // Adoption 10,000 (31300, under the 19,580 maximum) and a volunteer firefighter's
        // 6,000 (31220): credits (16,129 + 1,471 + 6,000 + 10,000) x 14.5% = 4,872.00. Tax
        // 8,319.375 + 2,625 x 20.5% = 8,857.50; 42000 = 3,985.50. Refundable: renovation
        // 15% x 50,000 = 7,500 (45355) and the GST/HST rebate 6,300 x 5/105 = 300 (45700):
        // 48200 = 7,800.
        {"ON, 60,000 with adoption, firefighter, renovation and rebate",
         [](Return &r) {
             TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             t1->adoptionChild1 = 10000;
             t1->f31220 = 6000;
             form<TaxData_Sch12_MultigHomeReno>(r.person(), FormType::SCH12MHR)
                 ->qualifyingExpenditures = 50000;
             form<CTaxData_GST370>(r.person(), FormType::GST370)->gstExpenses = 6300;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"31220", 6000},
          {"31300", 10000},
          {"35000", 4872},
          {"40427", 0},
          {"42000", 3985.5},
          {"42100", 0},
          {"45355", 7500},
          {"45700", 300},
          {"48200", 7800}}},
        // The Canada training credit: fees of 3,000 and a limit of 1,000 on the notice of
        // assessment: the lesser of 1,500 (half the fees) and 1,000 = 1,000 (45350), refunded
        // (48200); the other 2,000 of fees is the tuition amount (32300). Credits (16,129 +
        // 1,471 + 2,000) x 14.5% = 2,842.00; tax 8,857.50; 42000 = 6,015.50.
        {"ON, 60,000 with tuition fees and a training credit limit",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *sch11 = form<TaxData_Sch11>(r.person(), FormType::SCH11);
             sch11->fees = 3000;
             sch11->canadaTrainingCreditLimit = 1000;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"32300", 2000},
          {"35000", 2842},
          {"40427", 0},
          {"42000", 6015.5},
          {"42100", 0},
          {"45350", 1000},
          {"48200", 1000}}},
        // At 66 at the end of the year the training credit cannot be claimed: all 3,000 of
        // fees stay in the tuition amount.
        {"ON, 60,000 with tuition fees and a training credit limit at 66",
         [](Return &r) {
             r.setUp(ON, QDate(1959, 3, 1));
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *sch11 = form<TaxData_Sch11>(r.person(), FormType::SCH11);
             sch11->fees = 3000;
             sch11->canadaTrainingCreditLimit = 1000;
         },
         {{"15000", 60000}, {"32300", 3000}, {"45350", 0}, {"48200", 0}}},
        // The GST/HST rebate: 1,050 x 5/105 = 50.00 and 2,260 x 13/113 = 260.00: 45700 =
        // 310.00, refunded with nothing else paid (48200). Credits (16,129 + 1,471) x 14.5% =
        // 2,552.00. Tax 8,319.375 + 2,625 x 20.5% = 8,857.50; 42000 = 6,305.50.
        {"ON, 60,000 with a GST370 rebate",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *gst370 = form<CTaxData_GST370>(r.person(), FormType::GST370);
             gst370->gstExpenses = 1050;
             gst370->hst13Expenses = 2000;
             gst370->hst13Cca = 260;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"42000", 6305.5},
          {"42100", 0},
          {"45700", 310},
          {"48200", 310}}},
        // Schedule 5: an infirm spouse of 15,000: 30300 = 16,129 + 2,687 - 15,000 = 3,816;
        // top-up 30425 = 8,601 - 3,816 = 4,785. An infirm parent of 22,001: 30450 = 8,601 -
        // (22,001 - 20,197) = 6,797. Credits (16,129 + 3,816 + 4,785 + 6,797 + 1,471 = 32,998)
        // x 14.5% = 4,784.71. Tax 8,857.50; 42000 = 4,072.79.
        {"ON, 60,000 with an infirm spouse and an infirm parent",
         [](Return &r) {
             TaxData_T1New *t1 = r.setUp(ON, kBornAt40, 0);
             t1->spouseNetIncome = 15000;
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             form<TaxData_Sch5>(r.person(), FormType::SCH5)->spouseInfirm = true;
             DependantInfoStruct &dependants = r.family.dependants();
             dependants.AllocData(1);
             DependantRecord &parent = dependants.record(0);
             DependantRecord::setName(parent.firstName, "Rose");
             parent.birthDate = QDate(1950, 4, 1);
             parent.relationship = 5;
             parent.infirm = 1;
             parent.netIncome = 22001;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"30300", 3816},
          {"30425", 4785},
          {"30450", 6797},
          {"31000", 0},
          {"33500", 32998},
          {"35000", 4784.71},
          {"40427", 0},
          {"42000", 4072.79},
          {"42100", 0}}},
        // Northern residents, Zone A all year: 365 x 11 + 365 x 11 = 8,030 (under 20% of
        // 60,000); travel: the least of the standard 1,200, expenses 1,500 and airfare 1,000 =
        // 1,000: 25500 = 9,030. Taxable 50,970 x 14.5% = 7,390.65; credits 2,552.00; 42000 =
        // 4,838.65.
        {"ON, 60,000 with the northern residents deductions",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *t2222 = form<CTaxData_T2222>(r.person(), FormType::T2222);
             t2222->days1 = 365;
             t2222->days3 = 365;
             t2222->standardAmount = true;
             t2222->travelExpensesA = 1500;
             t2222->lowestAirfareA = 1000;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"25500", 9030},
          {"26000", 50970},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"42000", 4838.65},
          {"42100", 0}}},
        // Home accessibility expenses of 12,000, at most 10,000 (31285): credits (17,600 +
        // 10,000) x 14.5% = 4,002.00; 42000 = 8,857.50 - 4,002 = 4,855.50.
        {"ON, 60,000 with home accessibility expenses",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             form<TaxData_Sch12_2016>(r.person(), FormType::SCH12HA)->eligibleExpenses = 12000;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"31285", 10000},
          {"35000", 4002},
          {"40427", 0},
          {"42000", 4855.5},
          {"42100", 0}}},
        // RESP accumulated income payments 10,000 (T4A box 40, income on line 13000); the
        // T1172 the slip makes is Part B: 20% = 2,000 more tax. Taxable 70,000: 8,319.375 +
        // 12,625 x 20.5% = 10,907.50; credits 2,552.00; 42000 = 8,355.50 + 2,000 = 10,355.50.
        {"ON, 60,000 with RESP accumulated income payments",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             Return::addSlip(r.person(), SlipType::T4A, {{"box40", 10000}});
         },
         {{"15000", 70000},
          {"22200", 0},
          {"23600", 70000},
          {"26000", 70000},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"42000", 10355.5},
          {"42100", 0}}},
        // A long-haul truck driver's TL2: 100 meals x 23 x 80% = 1,840 and lodging 500: 2,340
        // of employment expenses. Net 57,660; tax 8,319.375 + 285 x 20.5% = 8,377.80; credits
        // 2,552.00; 42000 = 5,825.80.
        {"ON, 60,000 with a long-haul driver's meals and lodging",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *tl2 = form<TaxData_TL2_New>(r.person(), FormType::TL2);
             tl2->simplifiedMeals = 100;
             tl2->longHaul = true;
             tl2->lodgingExpenses = 500;
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 57660},
          {"26000", 57660},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"42000", 5825.8},
          {"42100", 0}}},
        // Minimum tax (T691: 20.5% above the 177,882 exemption; 50% of the credits other than
        // donations; capital gains in full). A gain of 800,000: 12700 = 400,000 = net and
        // taxable income. Credits: the basic amount at 14,538 above 253,414 of net income x
        // 14.5% = 2,108.01. Tax 8,319.375 + 11,761.875 + 16,414.32 + 21,904.28 + 146,586 x 33%
        // = 106,773.23; regular 42900 = 104,665.22. Adjusted taxable income 400,000 + the
        // other 400,000 of the gain = 800,000; (800,000 - 177,882) x 20.5% = 127,534.19 less
        // 50% of 2,108.01 = 1,054.01: minimum amount 126,480.18, above the regular tax: 42000
        // = 126,480.18 (the minimum tax adds 21,814.96).
        {"ON, capital gain 800,000: minimum tax applies",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 800000);
         },
         {{"15000", 400000},
          {"22200", 0},
          {"23600", 400000},
          {"26000", 400000},
          {"31000", 0},
          {"35000", 2108.01},
          {"40427", 0},
          {"42900", 104665.22},
          {"41700", 126480.18},
          {"42000", 126480.18},
          {"42100", 0}}},
        // The same gain without a T691 on the return: the regular tax alone.
        {"ON, capital gain 800,000 without a T691",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 800000, false);
         },
         {{"15000", 400000}, {"35000", 2108.01}, {"40427", 0}, {"42000", 104665.22}, {"42100", 0}}},
        // Just below: a gain of 340,000, taxable 170,000. Credits 16,129 x 14.5% = 2,338.705
        // -> 2,338.71. Tax 20,081.25 + 55,250 x 26% = 34,446.25; regular 32,107.54. Minimum:
        // (340,000 - 177,882) x 20.5% = 33,234.19 less 1,169.36 = 32,064.83, below the
        // regular tax by 42.71: 42000 = 32,107.54.
        {"ON, capital gain 340,000: just below the minimum tax",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 340000);
         },
         {{"15000", 170000},
          {"22200", 0},
          {"23600", 170000},
          {"26000", 170000},
          {"31000", 0},
          {"35000", 2338.71},
          {"40427", 0},
          {"42000", 32107.54},
          {"42100", 0}}},
        // Just above: 342,000, taxable 171,000. Tax 20,081.25 + 56,250 x 26% = 34,706.25;
        // regular 32,367.54. Minimum 164,118 x 20.5% = 33,644.19 less 1,169.36 = 32,474.83:
        // 42000 = 32,474.83.
        {"ON, capital gain 342,000: just above",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 342000);
         },
         {{"15000", 171000},
          {"22200", 0},
          {"23600", 171000},
          {"26000", 171000},
          {"31000", 0},
          {"35000", 2338.71},
          {"40427", 0},
          {"42000", 32474.83},
          {"42100", 0}}},
        // A later year's return: 5,000 of minimum tax paid earlier, employment 150,000 and no
        // minimum amount (adjusted taxable income 150,000 is under the exemption). Credits
        // (16,129 + 1,471) x 14.5% = 2,552.00; tax 20,081.25 + 35,250 x 26% = 29,246.25;
        // before the carry-over 26,694.25: all 5,000 applies (40427): 42900 = 42000 =
        // 21,694.25.
        {"ON, employment 150,000 with a carry-over of 5,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 150000}});
             minimumTaxCarryOver(r.person(), 5000);
         },
         {{"15000", 150000},
          {"22200", 0},
          {"23600", 150000},
          {"26000", 150000},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 5000},
          {"42900", 21694.25},
          {"42000", 21694.25},
          {"42100", 0}}},
        // The carry-over takes the regular tax down to the minimum amount and no further: a
        // gain of 300,000, taxable 150,000: tax 29,246.25, credits 2,338.71, regular
        // 26,907.54; minimum (300,000 - 177,882) x 20.5% = 25,034.19 less 1,169.36 =
        // 23,864.83. Of the 5,000 carried, 3,042.71 applies: 42000 = 23,864.83.
        {"ON, capital gain 300,000 with a carry-over of 5,000",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 300000);
             minimumTaxCarryOver(r.person(), 5000);
         },
         {{"15000", 150000},
          {"22200", 0},
          {"23600", 150000},
          {"26000", 150000},
          {"31000", 0},
          {"35000", 2338.71},
          {"40427", 3042.71},
          {"42900", 23864.83},
          {"42000", 23864.83},
          {"42100", 0}}},
        // The carry-over never reduces the tax on split income: the row above with 10,000 of
        // split interest (23200). 40424 = 3,300.00 and 40400 = 29,246.25 + 3,300.00 =
        // 32,546.25, but the room of the carry-over is still 29,246.25 - 2,338.71 - 23,864.83
        // = 3,042.71 (40427). 42900 = 32,546.25 - 2,338.71 - 3,042.71 = 27,164.83, the minimum
        // amount and the split-income tax together; no minimum tax is added: 42000 =
        // 27,164.83.
        {"ON, capital gain 300,000 with a carry-over of 5,000 and split income",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 300000);
             minimumTaxCarryOver(r.person(), 5000);
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 10000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 10000;
         },
         {{"15000", 160000},
          {"23200", 10000},
          {"26000", 150000},
          {"35000", 2338.71},
          {"40424", 3300},
          {"40400", 32546.25},
          {"40427", 3042.71},
          {"42900", 27164.83},
          {"41700", 27164.83},
          {"42000", 27164.83},
          {"42100", 0}}},
        // Deductions the minimum tax allows only in half: carrying charges of 12,000 (22100)
        // and a non-capital loss of 8,000 of an earlier year (25200) beside a gain of 800,000.
        // Net income 388,000, taxable 380,000; credits 14,538 x 14.5% = 2,108.01. Tax 58,399.85
        // + 126,586 x 33% = 100,173.23; regular 42900 = 98,065.22. Adjusted taxable income
        // 380,000 + the other 400,000 of the gain + 50% of 20,000 = 790,000; (790,000 -
        // 177,882) x 20.5% = 125,484.19 less 1,054.01 = 124,430.18 (a full deduction would
        // have left 122,380.18): 41700 = 42000 = 124,430.18.
        {"ON, capital gain 800,000 with carrying charges and a loss of an earlier year",
         [](Return &r) {
             TaxData_T1New *t1 = r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 800000);
             t1->f22100 = 12000;
             t1->nonCapitalLossCarryForward = 8000;
         },
         {{"15000", 400000},
          {"22100", 12000},
          {"22200", 0},
          {"23600", 388000},
          {"25200", 8000},
          {"26000", 380000},
          {"31000", 0},
          {"35000", 2108.01},
          {"40427", 0},
          {"42900", 98065.22},
          {"41700", 124430.18},
          {"42000", 124430.18},
          {"42100", 0}}},
        // Tax on split income under the minimum tax: the gain of 800,000 and 10,000 of
        // interest that is split income (T1206), deducted again on line 23200. Net and taxable
        // income 400,000 as in the row of the gain alone: tax on it 106,773.23; 40424 = 10,000
        // x 33% = 3,300.00 and 40400 = 110,073.23; credits 2,108.01: 42900 = 107,965.22 (the
        // paper return's basic federal tax holds the split-income tax). The minimum amount
        // 126,480.18 is above it: the minimum tax adds 18,514.96 and 41700 = 126,480.18. The
        // T1206 leaves 3,300.00 (no credit against it), below 41700: 42000 = 126,480.18, the
        // minimum amount, the split-income tax counted once.
        {"ON, capital gain 800,000 with tax on split income",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             capitalGain(r.person(), 800000);
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 10000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 10000;
         },
         {{"15000", 410000},
          {"22200", 0},
          {"23200", 10000},
          {"23600", 400000},
          {"26000", 400000},
          {"31000", 0},
          {"35000", 2108.01},
          {"40424", 3300},
          {"40400", 110073.23},
          {"40427", 0},
          {"42900", 107965.22},
          {"41700", 126480.18},
          {"42000", 126480.18},
          {"42100", 0}}},
        // The same in Quebec, where line 42800 stays 0 (the Quebec return taxes the rest):
        // federal lines as above; under the minimum tax the abatement is 16.5% of the T691's
        // basic federal tax under minimum tax: the larger of 107,965.22 less the T1206's line
        // 22 (3,300.00), 104,665.22, and the minimum amount 126,480.18, plus 3,300.00 =
        // 129,780.18; x 16.5% = 21,413.7297 -> 21,413.73 (44000). 43500 = 126,480.18; 48500 =
        // 126,480.18 - 21,413.73 = 105,066.45.
        {"QC, capital gain 800,000 with tax on split income",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             capitalGain(r.person(), 800000);
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 10000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 10000;
         },
         {{"15000", 410000},
          {"23200", 10000},
          {"26000", 400000},
          {"40424", 3300},
          {"40400", 110073.23},
          {"42900", 107965.22},
          {"41700", 126480.18},
          {"42000", 126480.18},
          {"44000", 21413.73},
          {"43500", 126480.18},
          {"48400", 0},
          {"48500", 105066.45}}},
        // Split income without the minimum tax: employment 60,000 (tax 8,857.50, credits
        // 2,552.00) and 5,000 of split interest: 40424 = 5,000 x 33% = 1,650.00, 40400 =
        // 10,507.50, 42900 = 41700 = 7,955.50, above the T1206's 1,650.00: 42000 = 7,955.50.
        {"ON, employment 60,000 with tax on split income",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 5000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 5000;
         },
         {{"15000", 65000},
          {"22200", 0},
          {"23200", 5000},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"35000", 2552},
          {"40424", 1650},
          {"40400", 10507.5},
          {"40427", 0},
          {"42900", 7955.5},
          {"41700", 7955.5},
          {"42000", 7955.5},
          {"42100", 0}}},
        // Split income only (a person of 17 in Quebec, 10,000 of split interest): net and
        // taxable income 0. 40424 = 40400 = 3,300.00; the basic personal amount's credit
        // 2,338.71 leaves 42900 = 41700 = 961.29, but no credit of the return but the T1206's
        // own may reduce the tax on split income: 42000 = 3,300.00. The T1206's 3,300.00 is
        // above 42900, so the abatement is 16.5% of it: 544.50. 43500 = 3,300.00 (42800 is 0
        // in Quebec); 48500 = 3,300.00 - 544.50 = 2,755.50.
        {"QC, 17 with split income only",
         [](Return &r) {
             r.setUp(QC, kBornAt17);
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 10000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 10000;
         },
         {{"15000", 10000},
          {"23200", 10000},
          {"23600", 0},
          {"26000", 0},
          {"35000", 2338.71},
          {"40424", 3300},
          {"40400", 3300},
          {"42900", 961.29},
          {"41700", 961.29},
          {"42000", 3300},
          {"44000", 544.5},
          {"43500", 3300},
          {"48400", 0},
          {"48500", 2755.5}}},
        // Split dividends: 5,000 eligible (taxable 6,900) and 10,000 other (taxable 11,500),
        // all split income (18,400, of which 11,500 other than eligible). 40424 = 18,400 x
        // 33% = 6,072.00. The dividend tax credit 6,900 x 15.0198% + 11,500 x 9.0301% =
        // 1,036.37 + 1,038.46 = 2,074.83 (40425, and the T1206's line 21). 42900 = 6,072.00 -
        // 2,338.71 - 2,074.83 = 1,658.46 = 41700; the T1206 leaves 6,072.00 - 2,074.83 =
        // 3,997.17: 42000 = 3,997.17. Abatement 3,997.17 x 16.5% = 659.53305 -> 659.53;
        // 48500 = 3,997.17 - 659.53 = 3,337.64.
        {"QC, 17 with split dividends",
         [](Return &r) {
             r.setUp(QC, kBornAt17);
             Return::addSlip(r.person(), SlipType::T5,
                             {{"box24", 5000}, {"box25", 6900}, {"box10", 10000}, {"box11", 11500}});
             auto *t1206 = form<TaxData_T1206New>(r.person(), FormType::T1206);
             t1206->splitDividends = 18400;
             t1206->splitOtherDividends = 11500;
         },
         {{"12000", 18400},
          {"12010", 11500},
          {"23200", 18400},
          {"26000", 0},
          {"35000", 2338.71},
          {"40424", 6072},
          {"40400", 6072},
          {"40425", 2074.83},
          {"42900", 1658.46},
          {"41700", 1658.46},
          {"42000", 3997.17},
          {"44000", 659.53},
          {"43500", 3997.17},
          {"48400", 0},
          {"48500", 3337.64}}},
        // The disability amount against split income: a person of 15 with 20,000 of split
        // interest and the disability amount 10,138 + 5,914 = 16,052 (31600). 40424 = 40400
        // = 6,600.00; credits (16,129 + 16,052) x 14.5% = 4,666.245 -> 4,666.25: 42900 =
        // 41700 = 1,933.75. The T1206 takes 16,052 x 14.5% = 2,327.54 off its 6,600.00:
        // 42000 = 4,272.46. Abatement 4,272.46 x 16.5% = 704.9559 -> 704.96; 48500 =
        // 4,272.46 - 704.96 = 3,567.50.
        {"QC, 15 with the disability amount and split income",
         [](Return &r) {
             TaxData_T1New *t1 = r.setUp(QC, QDate(2010, 6, 1));
             t1->disabilityFlag = 1;
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 20000}});
             form<TaxData_T1206New>(r.person(), FormType::T1206)->splitIncome = 20000;
         },
         {{"23200", 20000},
          {"26000", 0},
          {"31600", 16052},
          {"35000", 4666.25},
          {"40424", 6600},
          {"40400", 6600},
          {"42900", 1933.75},
          {"41700", 1933.75},
          {"42000", 4272.46},
          {"44000", 704.96},
          {"43500", 4272.46},
          {"48400", 0},
          {"48500", 3567.5}}},
        // Foreign split income: the 10,000 of split interest is foreign (T2209: 10,000 of
        // income, 1,500 of tax). 42900 = 961.29 as in the row of split income only; the
        // abatement 544.50 (on the T1206's 3,300.00) comes off the tax the credit may take:
        // 961.29 - 544.50 = 416.79 on a base of 0 + 10,000 of split income, all of it foreign:
        // 40500 = 416.79, 41700 = 544.50. The T1206 takes 416.79 x 10,000 / 10,000 = 416.79
        // off its 3,300.00: 42000 = 2,883.21. 48500 = 2,883.21 - 544.50 = 2,338.71.
        {"QC, 17 with foreign split income",
         [](Return &r) {
             r.setUp(QC, kBornAt17);
             Return::addSlip(r.person(), SlipType::T5, {{"box13", 10000}});
             auto *t2209 = form<TaxData_T2209_2036>(r.person(), FormType::T2209);
             t2209->foreignIncome = 10000;
             t2209->foreignTax = 1500;
             auto *t1206 = form<TaxData_T1206New>(r.person(), FormType::T1206);
             t1206->splitIncome = 10000;
             t1206->f68370 = 10000;
             t1206->f68380 = 10000;
         },
         {{"23200", 10000},
          {"26000", 0},
          {"40424", 3300},
          {"42900", 961.29},
          {"foreignTaxCredit", 416.79},
          {"41700", 544.5},
          {"42000", 2883.21},
          {"44000", 544.5},
          {"43500", 2883.21},
          {"48400", 0},
          {"48500", 2338.71}}},
        // Investment tax credit (T2038): flow-through mining expenditures of 10,000 earn 15%
        // = 1,500 (41200). Employment 60,000: tax 8,857.50 less credits 2,552 = 6,305.50;
        // 42000 = 4,805.50.
        {"ON, employment 60,000 with the mineral exploration tax credit",
         [](Return &r) {
             r.setUp(ON, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             form<CTaxData_T1229>(r.person(), FormType::T1229)->mineralExploration = 10000;
             form<TaxData_T2038New>(r.person(), FormType::T2038);
         },
         {{"15000", 60000},
          {"22200", 0},
          {"23600", 60000},
          {"26000", 60000},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"41200", 1500},
          {"42000", 4805.5},
          {"42100", 0}}},
        // A person of 15 with the disability amount: 10,138 + the supplement 5,914 = 16,052
        // (31600). Credits (16,129 + 1,471 + 16,052) x 14.5% = 4,879.54 exceed the tax
        // 20,000 x 14.5% = 2,900: 42000 = 0. No CPP under 18.
        {"ON, 15 with the disability amount and supplement",
         [](Return &r) {
             TaxData_T1New *t1 = r.setUp(ON, QDate(2010, 6, 1));
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 20000}});
             t1->disabilityFlag = 1;
         },
         {{"15000", 20000},
          {"22200", 0},
          {"23600", 20000},
          {"26000", 20000},
          {"31000", 0},
          {"31600", 16052},
          {"35000", 4879.54},
          {"40427", 0},
          {"42000", 0},
          {"42100", 0}}},
        // Foreign investment income on two T5 slips: 1,000 taxed 300 abroad (30%) and 9,000
        // taxed nothing. Slip by slip, 300 - 15% x 1,000 = 150 is deducted (23200) and the
        // other 150 is creditable; summed over both slips nothing would be above 15% of
        // 10,000. Net 70,000 - 150 = 69,850. Tax 8,319.375 + 12,475 x 20.5% = 10,876.75;
        // credits 17,600 x 14.5% = 2,552.00; 42900 = 8,324.75; abatement 16.5% = 1,373.58375
        // -> 1,373.58. Credit limit (8,324.75 - 1,373.58) x 10,000 / 69,850 = 995.16 is
        // above the 150 creditable: foreign tax credit 150; 40600 = 42000 = 8,174.75 = 43500
        // (no provincial tax on the T1 in Quebec); 48200 = the abatement; 48500 = 8,174.75 -
        // 1,373.58 = 6,801.17.
        {"QC, 60,000 and foreign investment income taxed over 15% on one slip",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             Return::addSlip(r.person(), SlipType::T5, {{"box15", 1000}, {"box16", 300}});
             Return::addSlip(r.person(), SlipType::T5, {{"box15", 9000}});
         },
         {{"15000", 70000},
          {"22200", 0},
          {"23200", 150},
          {"23600", 69850},
          {"26000", 69850},
          {"31000", 0},
          {"35000", 2552},
          {"40427", 0},
          {"42900", 8324.75},
          {"foreignTaxCredit", 150},
          {"40600", 8174.75},
          {"42000", 8174.75},
          {"42100", 0},
          {"43500", 8174.75},
          {"44000", 1373.58},
          {"48200", 1373.58},
          {"48400", 0},
          {"48500", 6801.17}}},
        // Typed foreign income that is not from property (other income, line 13000): the
        // whole 300 is creditable and nothing is deducted. Net 61,000; tax 8,319.375 +
        // 3,625 x 20.5% = 9,062.50; 42900 = 6,510.50; abatement 1,074.2325 -> 1,074.23; limit
        // (6,510.50 - 1,074.23) x 1,000 / 61,000 = 89.12 is below the 300 paid: credit 89.12;
        // 42000 = 6,421.38; 48500 = 6,421.38 - 1,074.23 = 5,347.15.
        {"QC, 60,000 and typed foreign income not from property",
         [](Return &r) { typedForeignIncome(r, false); },
         {{"15000", 61000},
          {"23200", 0},
          {"23600", 61000},
          {"42900", 6510.5},
          {"foreignTaxCredit", 89.12},
          {"42000", 6421.38},
          {"43500", 6421.38},
          {"44000", 1074.23},
          {"48200", 1074.23},
          {"48500", 5347.15}}},
        // The same income as foreign interest (line 12100), marked on the T2209 as income from
        // property: 300 - 150 = 150 deducted (23200), 150 creditable. Net 60,850; tax
        // 8,319.375 + 3,475 x 20.5% = 9,031.75; 42900 = 6,479.75; abatement 1,069.15875 ->
        // 1,069.16; limit (6,479.75 - 1,069.16) x 1,000 / 60,850 = 88.92 is below the 150:
        // credit 88.92; 42000 = 6,390.83; 48500 = 6,390.83 - 1,069.16 = 5,321.67.
        {"QC, 60,000 and typed foreign property income",
         [](Return &r) { typedForeignIncome(r, true); },
         {{"15000", 61000},
          {"23200", 150},
          {"23600", 60850},
          {"42900", 6479.75},
          {"foreignTaxCredit", 88.92},
          {"42000", 6390.83},
          {"43500", 6390.83},
          {"44000", 1069.16},
          {"48200", 1069.16},
          {"48500", 5321.67}}},
        // Flow-through expenditures of 10,000 for the mineral exploration credit (15% = 1,500)
        // and 10,000 for the critical mineral one (30% = 3,000): 41200 = 4,500, under the
        // 42900 of 8,857.50 - 2,552 = 6,305.50 it may reduce. 42000 = 1,805.50; abatement
        // 16.5% x 6,305.50 = 1,040.4075 -> 1,040.41; 48500 = 1,805.50 - 1,040.41 = 765.09.
        {"QC, 60,000 with mineral and critical mineral exploration credits",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             auto *t1229 = form<CTaxData_T1229>(r.person(), FormType::T1229);
             t1229->mineralExploration = 10000;
             t1229->criticalMineralExploration = 10000;
             form<TaxData_T2038New>(r.person(), FormType::T2038);
         },
         {{"15000", 60000},
          {"23600", 60000},
          {"42900", 6305.5},
          {"41200", 4500},
          {"42000", 1805.5},
          {"43500", 1805.5},
          {"44000", 1040.41},
          {"48200", 1040.41},
          {"48500", 765.09}}},
        // Critical mineral expenditures of 30,000 earn 9,000, more than the 6,305.50 of tax:
        // 41200 = 6,305.50 (the other 2,694.50 is left for other years), 42000 = 0; the
        // abatement 1,040.41 is refunded (48400).
        {"QC, 60,000 with a critical mineral credit above the tax",
         [](Return &r) {
             r.setUp(QC, kBornAt40);
             Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
             form<CTaxData_T1229>(r.person(), FormType::T1229)->criticalMineralExploration =
                 30000;
             form<TaxData_T2038New>(r.person(), FormType::T2038);
         },
         {{"42900", 6305.5},
          {"41200", 6305.5},
          {"42000", 0},
          {"43500", 0},
          {"48200", 1040.41},
          {"48400", 1040.41},
          {"48500", 0}}},
        // Yukon, 15,000 of employment with 1,000 of tax deducted: the federal tax 2,175 and the
        // Yukon tax 960 are below the credits (17,600 x 14.5% = 2,552; x 6.4% = 1,126.40), so
        // 43500 = 0. The business carbon price rebate 300 + 200 (T224) and the farmers' 150
        // (T225) are Yukon credits: 47900 = 650; 48200 = 1,000 + 650; refund 1,650.
        {"YT, 15,000 with the business and farmers' carbon price rebates",
         [](Return &r) { employmentWithCarbonRebates(r, YT); },
         {{"15000", 15000},
          {"26000", 15000},
          {"42000", 0},
          {"42800", 0},
          {"43500", 0},
          {"47900", 650},
          {"48200", 1650},
          {"48400", 1650},
          {"48500", 0}}},
        // The same forms outside Yukon reach no line: 47900 = 0, and the credits are the 1,000
        // deducted (federal tax as above: 0).
        {"NT, 15,000 with the Yukon rebates' forms",
         [](Return &r) { employmentWithCarbonRebates(r, NT); },
         {{"42000", 0},
          {"47900", 0},
          {"48200", 1000}}},
        // Canada workers benefit with the disability supplement: employment 15,000. Basic:
        // 27% x (15,000 - 3,000) = 3,240, at most 1,633; net income below 26,855. Supplement:
        // 27% x (15,000 - 1,150) = 3,739.50, at most 843; below 37,740. 45300 = 2,476. The
        // federal tax 2,175 is below the credits (the disability amount among them): 42000 =
        // 0.
        {"ON, workers benefit with the disability supplement",
         [](Return &r) { workersBenefit(r, 15000, true); },
         {{"15000", 15000}, {"41500", 0}, {"42000", 0}, {"45300", 2476}}},
        // Employment 40,000: the basic benefit is gone (1,633 - 15% x 13,145 < 0); the
        // supplement is 843 - 15% x (40,000 - 37,740) = 843 - 339 = 504.
        {"ON, workers benefit: the disability supplement alone",
         [](Return &r) { workersBenefit(r, 40000, true); },
         {{"23600", 40000}, {"45300", 504}}},
        // Without the disability amount there is no supplement: 45300 = 1,633.
        {"ON, workers benefit without the disability amount",
         [](Return &r) { workersBenefit(r, 15000, false); },
         {{"45300", 1633}}},
        // Advance payments (RC210 box 10 500, box 11 200) are paid back on line 41500, inside
        // the net federal tax: 42000 = 0 + 700, while 45300 pays the year's 2,476.
        {"ON, workers benefit paid in advance",
         [](Return &r) { workersBenefit(r, 15000, true, 500, 200); },
         {{"41500", 700}, {"41700", 0}, {"42000", 700}, {"45300", 2476}}},
        // In Alberta the year's benefit is not worked out (its 2025 figures are not published
        // in the sources read), so the advance is not paid back either: 41500 = 45300 = 0.
        {"AB, workers benefit paid in advance",
         [](Return &r) { workersBenefit(r, 15000, false, 500, 0, AB); },
         {{"41500", 0}, {"42000", 0}, {"45300", 0}}},
        // EI benefits repayment (box 7 of the T4E shows 30%): employment 85,000 and 10,000 of
        // regular benefits make 95,000 of net income before adjustments, 12,875 above 82,125;
        // the lesser, 10,000, x 30% = 3,000.00 (23500 and 42200); 23600 = 92,000.
        {"ON, EI benefits repaid in full",
         [](Return &r) { regularEiBenefits(r, 85000, 30); },
         {{"15000", 95000},
          {"23400", 95000},
          {"23500", 3000},
          {"23600", 92000},
          {"42200", 3000}}},
        // Employment 75,000: 85,000 is 2,875 above 82,125, less than the benefits: x 30% =
        // 862.50; 23600 = 84,137.50.
        {"ON, EI benefits repaid on the income above the threshold",
         [](Return &r) { regularEiBenefits(r, 75000, 30); },
         {{"23400", 85000},
          {"23500", 862.5},
          {"23600", 84137.5},
          {"42200", 862.5}}},
        // Box 7 empty (a first claim in ten years): nothing is repaid.
        {"ON, EI benefits without a repayment rate",
         [](Return &r) { regularEiBenefits(r, 85000, 0); },
         {{"23400", 95000},
          {"23500", 0},
          {"23600", 95000},
          {"42200", 0}}},
        // With OAS of 9,000 at 70: employment 80,000, benefits 10,000: 99,000 before
        // adjustments. The EI repayment comes first: 16,875 above 82,125, the lesser 10,000 x
        // 30% = 3,000.00; the OAS recovery is on 99,000 - 3,000 = 96,000, 2,546 above 93,454:
        // x 15% = 381.90. 23500 = 42200 = 3,381.90; 23600 = 95,618.10.
        {"ON, EI benefits and OAS both repaid",
         [](Return &r) {
             regularEiBenefits(r, 80000, 30, QDate(1955, 3, 1));
             Return::addSlip(r.person(), SlipType::T4AOAS, {{"box18", 9000}});
         },
         {{"15000", 99000},
          {"23400", 99000},
          {"23500", 3381.9},
          {"23600", 95618.1},
          {"42200", 3381.9}}},
    };
    return table;
}

// The lines a typed amount may reach: a field that rightly changes no line leaves them all.
const char *const kWatchedLines[] = {"12900", "15000", "23600", "25200", "26000", "32300",
                                     "33099", "33500", "35000", "41000", "42000", "48200"};

// One typed amount of the T1 pages: 2,000 typed into the field moves the line by the change
// given; a row without a line names why the field rightly changes none. A table's cell is
// named "table[column]" and typed into its first row. The row's own preparation, when it has
// one, goes into the base return and the typed one alike.
struct TypedRow
{
    const char *field;
    const char *line;
    double change;
    const char *why;
    void (*prepare)(Return &) = nullptr;
};

// The first dependant is a child of 10: the child's medical expenses join the person's own
// (33099).
void childOfTen(Return &r)
{
    DependantRecord &child = r.family.dependants().record(0);
    child.birthDate = QDate(2015, 4, 1);
    child.relationship = 1;
}

// The first dependant is a parent of 75 with 5,000 of medical expenses, claimed above the
// dependant's own threshold (33199): 3% of the parent's net income.
void parentWithMedical(Return &r)
{
    DependantRecord &parent = r.family.dependants().record(0);
    parent.birthDate = QDate(1950, 4, 1);
    parent.relationship = 6;
    r.t1->dependantMedical.amountAt(0, 0) = 5000;
}

// The spouse amount is claimed on Schedule 5 (the button beside line 30300 opens it).
void withSchedule5(Return &r)
{
    r.person().getForm(FormType::SCH5, 0, true);
}

// An RRSP deduction limit of 10,000, so contributions deduct.
void rrspLimit(Return &r)
{
    r.t1->rrspDeductionLimit = 10000;
}

// The base return: Ontario, married (spouse's net income 30,000, so no spouse amount), one
// T4 of 60,000 without payroll deductions: net and taxable income 60,000, credit amounts
// 16,129 + 1,471 = 17,600.
const std::vector<TypedRow> &typedRows()
{
    static const std::vector<TypedRow> rows = {
        {"12800", "15000", 2000, nullptr},
        {"22100", "23600", -2000, nullptr},
        {"25100", "26000", -2000, nullptr},
        {"25300", "26000", -2000, nullptr},
        {"nonCapitalLossCarryForward", "25200", 2000, nullptr},
        {"hbpRepaymentRequired", "12900", 2000, nullptr},
        {"llpRepaymentRequired", "12900", 2000, nullptr},
        // Schedule 11 is made for the carried amount, claimed in full (the tax allows it).
        {"fedTuitionCarryForward", "32300", 2000, nullptr},
        // Employment income of 60,000 allows all of it.
        {"t1mCarryAmount", "23600", -2000, nullptr},
        {"31220", "33500", 2000, nullptr},
        {"31240", "33500", 2000, nullptr},
        {"31270", "33500", 2000, nullptr},
        {"31300", "33500", 2000, nullptr},
        {"medSelfAmount", "33099", 2000, nullptr},
        {"medSelfPremiums", "33099", 2000, nullptr},
        {"medSelfTravel", "33099", 2000, nullptr},
        {"medSelfAttendant", "33099", 2000, nullptr},
        {"medSelfOther", "33099", 2000, nullptr},
        {"medSpouseAmount", "33099", 2000, nullptr},
        {"medSpousePremiums", "33099", 2000, nullptr},
        {"medSpouseTravel", "33099", 2000, nullptr},
        {"medSpouseAttendant", "33099", 2000, nullptr},
        {"medSpouseOther", "33099", 2000, nullptr},
        // 75% of 400 + 50% of 350 + a third of 1,250 = 891.67, at most 650.
        {"politicalContributions", "41000", 650, nullptr},
        {"taxInstalmentsPaid", "48200", 2000, nullptr},
        {"netCapitalLossCarryForward", nullptr, 0,
         "claimed only against taxable capital gains, and the base return has none"},
        {"rrspDeductionLimit", nullptr, 0, "a limit: it deducts nothing without contributions"},
        {"unusedRrspContributions", nullptr, 0,
         "deducted through Schedule 7 within the deduction limit, and the base return has no "
         "limit"},
        {"provTuitionCarryForward", nullptr, 0, "claimed on the provincial schedule only"},
        {"t1212CarryForward", nullptr, 0,
         "the T1212 statement's own balance; no line of this year's return"},
        {"medSelfMonths", nullptr, 0, "the months of the 12-month period, not an amount"},
        {"instalmentInterest", nullptr, 0,
         "interest the tax authority charges; not a line of the return"},
        {"10105", nullptr, 0, "tax-exempt income, reported but not taxed"},
        // Schedule 5's spouse amount: 16,129 less the spouse's net income, now 2,000 in place
        // of 30,000.
        {"spouseNetIncome", "30300", 14129, nullptr, withSchedule5},
        {"22400", "23600", -2000, nullptr},
        {"dependantMedical[0]", "33099", 2000, nullptr, childOfTen},
        {"dependantMedical[1]", "33099", 2000, nullptr, childOfTen},
        {"dependantMedical[2]", "33099", 2000, nullptr, childOfTen},
        {"dependantMedical[3]", "33099", 2000, nullptr, childOfTen},
        {"dependantMedical[4]", "33099", 2000, nullptr, childOfTen},
    };
    return rows;
}

// One typed amount of an Express Wizard page (wizard-data type), applied as the wizard
// applies it when the page changes.
struct WizardRow
{
    int type;
    TypedRow row;
};

const std::vector<WizardRow> &wizardRows()
{
    using namespace WizardType;
    static const std::vector<WizardRow> rows = {
        {General, {"taxInstalmentsPaid", "48200", 2000, nullptr}},
        {General,
         {"instalmentInterest", nullptr, 0,
          "interest the tax authority charges; not a line of the return"}},
        // Schedule 9: 200 x 14.5% + 1,800 x 29% = 29 + 522 = 551.
        {General, {"donations", "34900", 551, nullptr}},
        {General, {"otherGifts", "34900", 551, nullptr}},
        {General, {"politicalContributions", "41000", 650, nullptr}},
        {LastYear,
         {"rrspDeductionLimit", nullptr, 0, "a limit: it deducts nothing without contributions"}},
        {LastYear,
         {"unusedRrspContributions", nullptr, 0,
          "deducted through Schedule 7 within the deduction limit, and the base return has no "
          "limit"}},
        {LastYear, {"hbpRepaymentRequired", "12900", 2000, nullptr}},
        {LastYear, {"llpRepaymentRequired", "12900", 2000, nullptr}},
        {LastYear, {"fedTuitionCarryForward", "32300", 2000, nullptr}},
        {LastYear,
         {"provTuitionCarryForward", nullptr, 0, "claimed on the provincial schedule only"}},
        {LastYear,
         {"t1212CarryForward", nullptr, 0,
          "the T1212 statement's own balance; no line of this year's return"}},
        {LastYear,
         {"netCapitalLossCarryForward", nullptr, 0,
          "claimed only against taxable capital gains, and the base return has none"}},
        {LastYear, {"nonCapitalLossCarryForward", "25200", 2000, nullptr}},
        // The parent's threshold becomes 3% x 2,000 = 60.
        {Dependants, {"dependants[4]", "33199", -60, nullptr, parentWithMedical}},
        {Medical, {"medSelfAmount", "33099", 2000, nullptr}},
        {Medical,
         {"medSelfMonths", nullptr, 0, "the months of the 12-month period, not an amount"}},
        {Medical, {"medSelfPremiums", "33099", 2000, nullptr}},
        {Medical, {"medSelfTravel", "33099", 2000, nullptr}},
        {Medical, {"medSelfAttendant", "33099", 2000, nullptr}},
        {Medical, {"medSelfOther", "33099", 2000, nullptr}},
        {Medical, {"medSpouseAmount", "33099", 2000, nullptr}},
        {Medical, {"medSpousePremiums", "33099", 2000, nullptr}},
        {Medical, {"medSpouseTravel", "33099", 2000, nullptr}},
        {Medical, {"medSpouseAttendant", "33099", 2000, nullptr}},
        {Medical, {"medSpouseOther", "33099", 2000, nullptr}},
        {Medical, {"dependantMedical[4]", "33099", 2000, nullptr, childOfTen}},
        {Medical, {"dependantMedical[5]", "33099", 2000, nullptr, childOfTen}},
        {Medical, {"dependantMedical[6]", "33099", 2000, nullptr, childOfTen}},
        {Medical, {"dependantMedical[7]", "33099", 2000, nullptr, childOfTen}},
        {Medical, {"dependantMedical[8]", "33099", 2000, nullptr, childOfTen}},
        {Rrsp,
         {"rrspDeductionLimit", nullptr, 0, "a limit: it deducts nothing without contributions"}},
        // Within the limit of 10,000 each contribution is deducted in full (20800).
        {Rrsp, {"unusedRrspContributions", "23600", -2000, nullptr, rrspLimit}},
        {Rrsp, {"contribJanToMar", "23600", -2000, nullptr, rrspLimit}},
        {Rrsp, {"contribMarToDec", "23600", -2000, nullptr, rrspLimit}},
        {Rrsp, {"spouseContribJanToMar", "23600", -2000, nullptr, rrspLimit}},
        {Rrsp, {"spouseContribMarToDec", "23600", -2000, nullptr, rrspLimit}},
    };
    return rows;
}

// The amounts a description shows for typing: amount and number fields, and each amount
// column of a table as "table[column]". Text, dates and the coded answers are no amounts.
QStringList typedAmountNames(const CTaxData_Form &form,
                             bool (*typed)(const CTaxData_Form &, const CField &))
{
    QStringList names;
    for (const FieldDescription &d : fieldDescriptions(form.getKind(), form.getType())) {
        const CField *field = form.findField(d.name);
        if (!field || !typed(form, *field))
            continue;
        if (d.show == FieldShow::Amount || d.show == FieldShow::Number)
            names.append(QString::fromLatin1(d.name));
        if (d.show != FieldShow::Table)
            continue;
        const auto *table = dynamic_cast<const CTableField *>(field);
        for (int column = 0; table && column < table->columnCount(); ++column) {
            if (table->columnType(column) == FieldType::Float)
                names.append(QString("%1[%2]").arg(QString::fromLatin1(d.name)).arg(column));
        }
    }
    return names;
}

// What is in the first list and not in the second.
QStringList missingFrom(const QStringList &wanted, const QStringList &present)
{
    QStringList missing;
    for (const QString &name : wanted) {
        if (!present.contains(name))
            missing.append(name);
    }
    return missing;
}

void setTyped(CTaxData_Form &form, const char *name, double value)
{
    const QByteArray text(name);
    const int bracket = text.indexOf('[');
    if (bracket > 0) {
        auto *table = dynamic_cast<CTableField *>(form.findField(text.left(bracket)));
        if (!table)
            qFatal("no typed table %s", name);
        table->amountAt(0, text.mid(bracket + 1, text.size() - bracket - 2).toInt()) = value;
        return;
    }
    CField *field = form.findField(text);
    if (auto *amount = dynamic_cast<CFloatField *>(field))
        *amount = value;
    else if (auto *count = dynamic_cast<CIntField *>(field))
        *count = int(value);
    else
        qFatal("no typed field %s", name);
}

} // namespace

class TestFederalReturns : public QObject
{
    Q_OBJECT

private slots:
    void wholeReturns_data();
    void wholeReturns();
    void typedAmounts_data();
    void typedAmounts();
    void wizardAmounts_data();
    void wizardAmounts();
    void everyTypedAmountHasARow();
    void lossCarrybackRequest();
    void lossCarrybackOverThreeYears_data();
    void lossCarrybackOverThreeYears();
    void securityOptionsDeductions();
    void minimumTaxAdjustedIncome_data();
    void minimumTaxAdjustedIncome();
    void specialForeignTaxCredit_data();
    void specialForeignTaxCredit();
    void exemptIncomeForTheWorkersBenefit();
    void workersBenefitOfAFullTimeStudent_data();
    void workersBenefitOfAFullTimeStudent();
    void pensionSplitTaxesAfterTheBalance();
    void pensionSplitTaxesOfTheCouple();
    void pensionAmountsAfterTheSplit_data();
    void pensionAmountsAfterTheSplit();
};

void TestFederalReturns::wholeReturns_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < rows().size(); ++i)
        QTest::newRow(rows()[i].name) << int(i);
}

void TestFederalReturns::wholeReturns()
{
    QFETCH(int, index);
    const WholeReturn &row = rows()[size_t(index)];
    Return r;
    row.build(r);
    TaxData_T1New *t1 = t1Of(r.person());
    QVERIFY(t1);
    r.family.Recalculate(0, nullptr);
    const QString difference = lineDifference(*t1, row.lines);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    // The balance: what is payable less what is paid.
    const double payable = t1->f42000 + t1->f42100 + t1->f42800 + t1->f42120 + t1->f42200;
    QCOMPARE(double(t1->f43500), FederalTaxRules::roundCents(payable));
    const double balance = FederalTaxRules::roundCents(t1->f43500 - t1->f48200);
    QCOMPARE(double(t1->f48500), balance > 0 ? balance : 0.0);
    QCOMPARE(double(t1->f48400), balance < 0 ? -balance : 0.0);
}

void TestFederalReturns::typedAmounts_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < typedRows().size(); ++i)
        QTest::newRow(typedRows()[i].field) << int(i);
}

namespace {

// The base return: Ontario, married (spouse's net income 30,000, so no spouse amount), one
// T4 of 60,000 without payroll deductions, the dependants' block of a new return (empty).
void typedBase(Return &r, const TypedRow &row)
{
    TaxData_T1New *t1 = r.setUp(ON, kBornAt40, 0);
    t1->spouseNetIncome = 30000;
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
    r.family.dependants().AllocData(DependantInfoStruct::kDefaultRecords);
    if (row.prepare)
        row.prepare(r);
}

// The typed return against the base one: the row's line moves by exactly its change, or no
// watched line moves at all.
void compareTyped(const TypedRow &row, Return &base, Return &typed)
{
    if (row.line) {
        QCOMPARE(amountOf(*typed.t1, row.line), amountOf(*base.t1, row.line) + row.change);
        return;
    }
    for (const char *line : kWatchedLines)
        QVERIFY2(qAbs(amountOf(*typed.t1, line) - amountOf(*base.t1, line)) < 0.001,
                 qPrintable(QString("%1 changed to %2: %3")
                                .arg(line)
                                .arg(amountOf(*typed.t1, line), 0, 'f', 2)
                                .arg(row.why)));
}

bool typedOnT1(const CTaxData_Form &form, const CField &field)
{
    return !form.isCalculatedField(field);
}

bool typedOnWizard(const CTaxData_Form &, const CField &)
{
    return true;
}

} // namespace

void TestFederalReturns::typedAmounts()
{
    QFETCH(int, index);
    const TypedRow &row = typedRows()[size_t(index)];
    Return base;
    typedBase(base, row);
    base.family.Recalculate(0, nullptr);
    if (!row.prepare) {
        QCOMPARE(double(base.t1->f23600), 60000.0);
        QCOMPARE(double(base.t1->f33500), 17600.0);
    }

    Return typed;
    typedBase(typed, row);
    setTyped(*typed.t1, row.field, 2000);
    typed.family.Recalculate(0, nullptr);
    compareTyped(row, base, typed);
}

void TestFederalReturns::wizardAmounts_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < wizardRows().size(); ++i) {
        const WizardRow &row = wizardRows()[i];
        const QByteArray name =
            QByteArray(taxWizardInfo(row.type)->name) + ": " + QByteArray(row.row.field);
        QTest::newRow(name.constData()) << int(i);
    }
}

void TestFederalReturns::wizardAmounts()
{
    QFETCH(int, index);
    const WizardRow &row = wizardRows()[size_t(index)];
    // The page shows what the forms hold (the recalculation fills it); the value typed on it
    // goes into the forms with the recalculation that follows the change.
    auto run = [&row](Return &r, bool typeIt) {
        typedBase(r, row.row);
        CTaxData_Form *wizard = r.person().findWizardData(row.type, true);
        QVERIFY(wizard);
        r.family.Recalculate(0, nullptr);
        if (typeIt)
            setTyped(*wizard, row.row.field, 2000);
        r.family.Recalculate(0, wizard);
    };
    Return base;
    run(base, false);
    Return typed;
    run(typed, true);
    compareTyped(row.row, base, typed);
}

void TestFederalReturns::everyTypedAmountHasARow()
{
    // The T1's pages: every amount a person types there has its row, and every row names one.
    Return r;
    r.setUp(ON, kBornAt40, 0);
    QStringList rows;
    for (const TypedRow &row : typedRows())
        rows.append(QString::fromLatin1(row.field));
    const QStringList onPages = typedAmountNames(*r.t1, typedOnT1);
    QCOMPARE(missingFrom(onPages, rows), QStringList());
    QCOMPARE(missingFrom(rows, onPages), QStringList());

    // The Express Wizard's pages, each page's amounts against its rows.
    for (const TaxWizardInfoRow &info : Global_TaxWizard_Info) {
        if (fieldDescriptions(2, info.type).isEmpty())
            continue;
        CTaxData_Form *wizard = r.person().findWizardData(info.type, true);
        QVERIFY2(wizard, info.name);
        QStringList wizardRowNames;
        for (const WizardRow &row : wizardRows()) {
            if (row.type == info.type)
                wizardRowNames.append(QString::fromLatin1(row.row.field));
        }
        const QStringList onPage = typedAmountNames(*wizard, typedOnWizard);
        QCOMPARE(missingFrom(onPage, wizardRowNames), QStringList());
        QCOMPARE(missingFrom(wizardRowNames, onPage), QStringList());
    }
}

namespace {

// Employment income of 10,000 (a T4) beside a business loss of 30,000 (a T2125).
void employmentBesideBusinessLoss(Return &r)
{
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 10000}});
    TaxDataEntryStru *entry = r.person().addForm(FormType::T2125, 0, true, 0, false);
    auto *t2125 = static_cast<TaxData_T2125_New *>(entry->data);
    t2125->grossIncome = 5000;
    t2125->expenses = 35000;
}

} // namespace

// A business loss of 30,000 beside employment income of 10,000: the T1A takes each income
// split into its income and loss parts, and the year's non-capital loss of 20,000 caps the
// 25,000 asked for.
void TestFederalReturns::lossCarrybackRequest()
{
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40));
    employmentBesideBusinessLoss(r);
    auto *t1a = form<TaxData_T1ANew>(r.person(), FormType::T1A);
    t1a->lossAmount = 25000;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f13500), -30000.0);
    QCOMPARE(double(t1a->incomeParts.amountAt(0, 0)), 10000.0);
    QCOMPARE(double(t1a->incomeParts.amountAt(0, 1)), 0.0);
    QCOMPARE(double(t1a->incomeParts.amountAt(4, 0)), 0.0);
    QCOMPARE(double(t1a->incomeParts.amountAt(4, 1)), 30000.0);
    QCOMPARE(double(t1a->otherIncome), 0.0);
    QCOMPARE(double(t1a->nonCapitalLoss), 20000.0);
    QCOMPARE(double(t1a->lossCarriedBack), 20000.0);
    QCOMPARE(double(t1a->lossCarriedForward), 0.0);
}

// The loss of the year asked for each of the three earlier years: each year gets what was
// asked, the oldest first, until the loss runs out; the rest is carried forward. Employment
// of 10,000 less other employment expenses of 1,000 (22900) beside a business loss of 30,000
// leave a non-capital loss of 21,000; Schedule 3 gives a net capital loss of 6,000.
void TestFederalReturns::lossCarrybackOverThreeYears_data()
{
    using Years = QList<double>;
    QTest::addColumn<Years>("asked");
    QTest::addColumn<Years>("applied");
    QTest::addColumn<double>("forward");
    QTest::addColumn<Years>("capitalAsked");
    QTest::addColumn<Years>("capitalApplied");
    QTest::newRow("within both losses") << Years{5000, 7000, 8000} << Years{5000, 7000, 8000}
                                        << 1000.0 << Years{1000, 2000, 0} << Years{1000, 2000, 0};
    QTest::newRow("more than the losses: the oldest years first")
        << Years{10000, 8000, 6000} << Years{10000, 8000, 3000} << 0.0 << Years{4000, 4000, 4000}
        << Years{4000, 2000, 0};
    QTest::newRow("one amount for 2024, as a return saved before held it")
        << Years{0, 0, 25000} << Years{0, 0, 21000} << 0.0 << Years{0, 0, 7000}
        << Years{0, 0, 6000};
    QTest::newRow("most of the loss kept for later years")
        << Years{3000, 0, 0} << Years{3000, 0, 0} << 18000.0 << Years{0, 0, 0} << Years{0, 0, 0};
}

void TestFederalReturns::lossCarrybackOverThreeYears()
{
    using Years = QList<double>;
    QFETCH(Years, asked);
    QFETCH(Years, applied);
    QFETCH(double, forward);
    QFETCH(Years, capitalAsked);
    QFETCH(Years, capitalApplied);
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40));
    employmentBesideBusinessLoss(r);
    r.t1->f22900 = 1000;
    // Shares sold for 2,000 that cost 14,000: a net capital loss of 12,000 x 50% = 6,000.
    auto *sch3 = form<TaxData_Sch3>(r.person(), FormType::SCH3);
    sch3->dispositions.amountAt(0, 0) = 2000;
    sch3->dispositions.amountAt(0, 1) = 14000;
    auto *t1a = form<TaxData_T1ANew>(r.person(), FormType::T1A);
    t1a->lossAmount2022 = asked[0];
    t1a->lossAmount2023 = asked[1];
    t1a->lossAmount = asked[2];
    t1a->capitalLossRequested2022 = capitalAsked[0];
    t1a->capitalLossRequested2023 = capitalAsked[1];
    t1a->capitalLossRequested = capitalAsked[2];
    r.family.Recalculate(0, nullptr);
    // Employment less lines 20700, 21200, 22900 and 23100, as the form asks.
    QCOMPARE(double(t1a->incomeParts.amountAt(0, 0)), 9000.0);
    QCOMPARE(double(t1a->nonCapitalLoss), 21000.0);
    QCOMPARE((Years{t1a->lossApplied2022, t1a->lossApplied2023, t1a->lossApplied2024}), applied);
    QCOMPARE(double(t1a->lossCarriedBack), applied[0] + applied[1] + applied[2]);
    QCOMPARE(double(t1a->lossCarriedForward), forward);
    QCOMPARE(double(t1a->capitalLoss), 6000.0);
    QCOMPARE((Years{t1a->capitalLossApplied2022, t1a->capitalLossApplied2023,
                    t1a->capitalLossApplied2024}),
             capitalApplied);
    QCOMPARE(double(t1a->capitalLossCarriedBack),
             capitalApplied[0] + capitalApplied[1] + capitalApplied[2]);
}

// Part 1 of the T691 on the amounts the return gives it: half of the deductions allowed only
// in part comes back, and of the gains under the lifetime exemption (fully in once the other
// half of the gain is added) 40% of the deduction comes off again, so 30% of them count.
// A T4 with 100,000 of employment income that includes a security options benefit, and the
// deductions the employer reports for it in boxes 39, 41, 91 and 92 (20,000 in all): line
// 24900 takes them, taxable income is 20,000 lower, and the federal tax 20,000 x 20.5% =
// 4,100.00 lower, as taxable income stays inside the 20.5% bracket (57,375 to 114,750).
void TestFederalReturns::securityOptionsDeductions()
{
    const auto build = [](Return &r, bool deductions) {
        QVERIFY(r.setUp(ON, kBornAt40));
        employment(r.person(), ON, 100000, 4034.10, 396, 1077.48, 20000);
        if (deductions) {
            Return::addSlip(r.person(), SlipType::T4,
                            {{"amtF", 9000}, {"amtG", 5000}, {"box91", 4000}, {"box92", 2000}});
        }
        r.family.Recalculate(0, nullptr);
    };
    Return without;
    build(without, false);
    Return with;
    build(with, true);
    QCOMPARE(double(without.t1->f24900), 0.0);
    QCOMPARE(double(with.t1->f24900), 20000.0);
    QCOMPARE(double(with.t1->f23600), double(without.t1->f23600));
    QCOMPARE(double(with.t1->f26000), double(without.t1->f26000) - 20000.0);
    QVERIFY(double(with.t1->f26000) > 57375.0 && double(without.t1->f26000) < 114750.0);
    QCOMPARE(double(with.t1->f42000), double(without.t1->f42000) - 4100.0);
}

void TestFederalReturns::minimumTaxAdjustedIncome_data()
{
    QTest::addColumn<double>("taxableIncome");
    QTest::addColumn<double>("gains");
    QTest::addColumn<double>("partlyAllowed");
    QTest::addColumn<double>("gainsDeduction");
    QTest::addColumn<double>("securityOptions");
    QTest::addColumn<double>("adjusted");
    QTest::addColumn<double>("aboveExemption");
    // 200,000 + 50% x 30,000.
    QTest::newRow("deductions allowed in half")
        << 200000.0 << 0.0 << 30000.0 << 0.0 << 0.0 << 215000.0 << 37118.0;
    // A gain of 100,000 all under the exemption: taxable income 60,000 after the deduction of
    // 50,000; 60,000 + 50,000 - 40% x 50,000 = 90,000 (60,000 + 30% of the gain).
    QTest::newRow("gains under the lifetime exemption")
        << 60000.0 << 100000.0 << 0.0 << 50000.0 << 0.0 << 90000.0 << 0.0;
    // Both: 90,000 + 50% x 200,000 = 190,000; above the exemption 12,118.
    QTest::newRow("both") << 60000.0 << 100000.0 << 200000.0 << 50000.0 << 0.0 << 190000.0
                          << 12118.0;
    // The security options deductions of line 24900 count in full: 200,000 + 30,000.
    QTest::newRow("security options deductions")
        << 200000.0 << 0.0 << 0.0 << 0.0 << 30000.0 << 230000.0 << 52118.0;
}

void TestFederalReturns::minimumTaxAdjustedIncome()
{
    QFETCH(double, taxableIncome);
    QFETCH(double, gains);
    QFETCH(double, partlyAllowed);
    QFETCH(double, gainsDeduction);
    QFETCH(double, securityOptions);
    QFETCH(double, adjusted);
    QFETCH(double, aboveExemption);
    TaxData_T691New t691;
    t691.taxableIncome = taxableIncome;
    t691.netCapitalGains = gains;
    t691.taxableCapitalGains = gains / 2;
    t691.partlyAllowedDeductions = partlyAllowed;
    t691.capitalGainsDeduction = gainsDeduction;
    // Split over the two paragraphs, as the slips report them.
    t691.slipExemptF = securityOptions * 2 / 3;
    t691.slipExemptG = securityOptions / 3;
    t691.CalculateToLine65andMinitaxCarryOverAndLine102();
    QCOMPARE(double(t691.adjustedTaxableIncome), adjusted);
    QCOMPARE(double(t691.netAdjustedTaxableIncome), aboveExemption);
}

// Part 4 of the T691: the special foreign tax credit is the foreign income at 20.5%, at most
// two thirds of the foreign tax paid, and never less than the regular credit; the minimum
// amount less it is compared with the regular tax after the regular credit. Minimum amount
// 50,000 and basic federal tax 45,000 in every row.
void TestFederalReturns::specialForeignTaxCredit_data()
{
    QTest::addColumn<double>("regularCredit");
    QTest::addColumn<double>("foreignIncome");
    QTest::addColumn<double>("foreignTax");
    QTest::addColumn<double>("special");
    QTest::addColumn<double>("minimumTax");
    // 66.6667% x 3,000 = 2,000.00 (below 20.5% x 20,000 = 4,100): 50,000 - 2,000 against
    // 45,000 - 1,000.
    QTest::newRow("two thirds of the tax, above the regular credit")
        << 1000.0 << 20000.0 << 3000.0 << 2000.0 << 4000.0;
    // 20.5% x 4,000 = 820.00: 49,180 against 44,500.
    QTest::newRow("the income at 20.5%") << 500.0 << 4000.0 << 3000.0 << 820.0 << 4680.0;
    // 2,000 is below the regular credit of 2,500: 47,500 against 42,500.
    QTest::newRow("the regular credit") << 2500.0 << 20000.0 << 3000.0 << 2500.0 << 5000.0;
    QTest::newRow("no foreign income") << 0.0 << 0.0 << 0.0 << 0.0 << 5000.0;
}

void TestFederalReturns::specialForeignTaxCredit()
{
    QFETCH(double, regularCredit);
    QFETCH(double, foreignIncome);
    QFETCH(double, foreignTax);
    QFETCH(double, special);
    QFETCH(double, minimumTax);
    TaxData_T691New t691;
    t691.minimumAmount = 50000;
    t691.basicFederalTax = 45000;
    t691.f67926 = regularCredit;
    t691.foreignIncomeTotal = foreignIncome;
    t691.foreignTaxTotal = foreignTax;
    t691.CalculateToLine95(0.0);
    QCOMPARE(double(t691.specialForeignTaxCredit), special);
    QCOMPARE(double(t691.regularNetTax), 45000 - regularCredit);
    QCOMPARE(double(t691.minimumTax), minimumTax);
    // Without split income the basic federal tax under minimum tax is the larger of the two.
    QCOMPARE(double(t691.minimumTaxBase), 50000.0);
}

// Income exempt under the Indian Act (T4 box 71, carried by the T90 the slip makes) counts as
// working income for the Canada workers benefit: 8,000 on one T4 and 4,000 exempt on another
// give Schedule 6 12,000 of working income; 27% of (12,000 - 3,000) = 2,430, at most 1,633
// (45300); the net income of 8,000 is under the phase-out threshold.
void TestFederalReturns::exemptIncomeForTheWorkersBenefit()
{
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40));
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 8000}});
    Return::addSlip(r.person(), SlipType::T4, {{"box71", 4000}});
    auto *sch6 = form<TaxData_Sch6>(r.person(), FormType::SCH6);
    r.family.Recalculate(0, nullptr);
    auto *t90 = static_cast<TaxData_T90 *>(r.person().getForm(FormType::T90, 0, false));
    QVERIFY(t90);
    QCOMPARE(int(r.t1->t90Flag), 1);
    QCOMPARE(double(t90->exemptAmount), 4000.0);
    QCOMPARE(double(sch6->workingIncome), 12000.0);
    QCOMPARE(double(r.t1->f23600), 8000.0);
    QCOMPARE(double(r.t1->f45300), 1633.0);
}

// A full-time student of more than 13 weeks (Schedule 11's full-time months above 3) gets no
// Canada workers benefit unless a child under 19 lives with them. Working income 10,000: 27%
// of 7,000 = 1,890, at most the single maximum 1,633 (45300).
void TestFederalReturns::workersBenefitOfAFullTimeStudent_data()
{
    QTest::addColumn<double>("fullTimeMonths");
    QTest::addColumn<bool>("child");
    QTest::addColumn<double>("benefit");
    QTest::newRow("not a student") << 0.0 << false << 1633.0;
    QTest::newRow("three months") << 3.0 << false << 1633.0;
    QTest::newRow("four months") << 4.0 << false << 0.0;
    QTest::newRow("four months with a child of 10") << 4.0 << true << 1633.0;
}

void TestFederalReturns::workersBenefitOfAFullTimeStudent()
{
    QFETCH(double, fullTimeMonths);
    QFETCH(bool, child);
    QFETCH(double, benefit);
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40));
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 10000}});
    form<TaxData_Sch6>(r.person(), FormType::SCH6);
    form<TaxData_Sch11>(r.person(), FormType::SCH11)->fullTimeMonths = fullTimeMonths;
    if (child) {
        r.family.dependants().AllocData(1);
        childOfTen(r);
    }
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f45300), benefit);
}

// The T1032 takes the person's income taxes after the split (42000 + 42800 + 42200) into the
// field of the person's part: the pensioner's for answer 0, the transferee's otherwise.
void TestFederalReturns::pensionSplitTaxesAfterTheBalance()
{
    for (int answer : {0, 1}) {
        Return r;
        QVERIFY(r.setUp(ON, kBornAt40, 0));
        Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
        auto *t1032 = form<TaxData_T1032_New>(r.person(), FormType::T1032);
        t1032->transferer = answer;
        r.family.Recalculate(0, nullptr);
        const double taxes =
            FederalTaxRules::roundCents(r.t1->f42000 + r.t1->f42800 + r.t1->f42200);
        QVERIFY(taxes > 6000);
        QCOMPARE(
            double(answer == 0 ? t1032->pensionerTaxAfterSplit : t1032->transfereeTaxAfterSplit),
            taxes);
        QCOMPARE(double(t1032->combinedTaxAfterSplit), taxes);
    }
}

// A couple's election: each T1032 holds its own person's taxes after the split and takes the
// partner's, so both show the couple's total. The pensioner earns 60,000 (42000 = 6,305.50),
// the transferee 30,000 (tax 4,350.00 less credits 2,552.00: 42000 = 1,798.00); the province
// adds its tax (42800) to each.
void TestFederalReturns::pensionSplitTaxesOfTheCouple()
{
    Return r;
    QVERIFY(r.setUp(ON, kBornAt40, 0));
    TaxData_T1New *spouseT1 = r.addSpouse(ON, kBornAt40);
    QVERIFY(spouseT1);
    QVERIFY(r.family.isCoupled());
    Return::addSlip(r.person(), SlipType::T4, {{"box14", 60000}});
    Return::addSlip(*r.family.spouse(), SlipType::T4, {{"box14", 30000}});
    auto *pensioner = form<TaxData_T1032_New>(r.person(), FormType::T1032);
    auto *transferee = form<TaxData_T1032_New>(*r.family.spouse(), FormType::T1032);
    pensioner->transferer = 0;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(int(transferee->transferer), 1);
    QCOMPARE(double(r.t1->f42000), 6305.5);
    QCOMPARE(double(spouseT1->f42000), 1798.0);
    const double own = FederalTaxRules::roundCents(r.t1->f42000 + r.t1->f42800 + r.t1->f42200);
    const double partner =
        FederalTaxRules::roundCents(spouseT1->f42000 + spouseT1->f42800 + spouseT1->f42200);
    for (const TaxData_T1032_New *election : {pensioner, transferee}) {
        QCOMPARE(double(election->pensionerTaxAfterSplit), own);
        QCOMPARE(double(election->transfereeTaxAfterSplit), partner);
        QCOMPARE(double(election->combinedTaxAfterSplit),
                 FederalTaxRules::roundCents(own + partner));
    }
}

// Line 31400 after a pension split: the pensioner keeps the pension income not allocated, the
// transferee counts the split received; each at most 2,000. Both are 70; the pensioner has a
// T4A pension.
void TestFederalReturns::pensionAmountsAfterTheSplit_data()
{
    QTest::addColumn<double>("pension");
    QTest::addColumn<double>("split");
    QTest::addColumn<double>("pensionerAmount");
    QTest::addColumn<double>("transfereeAmount");
    QTest::newRow("both below 2,000") << 1500.0 << 700.0 << 800.0 << 700.0;
    QTest::newRow("the pensioner below 2,000 after the split")
        << 3000.0 << 1500.0 << 1500.0 << 1500.0;
    QTest::newRow("both at the maximum") << 10000.0 << 5000.0 << 2000.0 << 2000.0;
    QTest::newRow("nothing split") << 3000.0 << 0.0 << 2000.0 << 0.0;
}

void TestFederalReturns::pensionAmountsAfterTheSplit()
{
    QFETCH(double, pension);
    QFETCH(double, split);
    QFETCH(double, pensionerAmount);
    QFETCH(double, transfereeAmount);
    const QDate bornAt70(1955, 3, 1);
    Return r;
    QVERIFY(r.setUp(ON, bornAt70, 0));
    TaxData_T1New *spouseT1 = r.addSpouse(ON, bornAt70);
    QVERIFY(spouseT1);
    Return::addSlip(r.person(), SlipType::T4A, {{"box16", pension}});
    auto *pensioner = form<TaxData_T1032_New>(r.person(), FormType::T1032);
    form<TaxData_T1032_New>(*r.family.spouse(), FormType::T1032);
    pensioner->transferer = 0;
    pensioner->electedAmount = split;
    r.family.Recalculate(0, nullptr);
    QCOMPARE(double(r.t1->f21000), split);
    QCOMPARE(double(spouseT1->f11600), split);
    QCOMPARE(double(r.t1->f31400), pensionerAmount);
    QCOMPARE(double(spouseT1->f31400), transfereeAmount);
}

QV_TEST_MAIN(TestFederalReturns)
#include "tst_FederalReturns.moc"
