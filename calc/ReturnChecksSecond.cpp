// The return-level checks 37 to 121: investment losses, capital gains, benefits, RRSP, CPP,
// bankruptcy, pension splitting, minimum tax, and the rental, fishing, farming and business
// forms.
#include "calc/ReturnChecks.h"

#include "brevant/BrevantForms.h"
#include "marrow/BusinessForms.h"
#include "marrow/CPostCodeInfo.h"
#include "marrow/CheckSIN.h"
#include "marrow/FederalForms.h"
#include "marrow/FederalSchedules.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

#include <initializer_list>
#include <utility>

namespace {

constexpr int kRrspMaxAge = 71;
constexpr int kCwbMinAge = 18;
// The death must fall on or after this day of the tax year for the benefit.
constexpr int kCwbDeathMonth = 7;
// A rental loss counts from here.
constexpr double kRentalLoss = -0.01;

const char kCheck43[] = "Field 68080, in form T936 or reported as supporting field, requires an "
                        "entry at field 14100, 14300 or 23200 of form T1.";
const char kCheck44[] = "Field 68100 in form T936 requires an entry of field 11400, 11500, 13000, "
                        "14100, 14300 or 25100 of form T1.";
const char kCheck45[] = "Field 68110 in form T936 requires an amount at field 13000 of T1.";
const char kT2091Answer[] =
    "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.";

bool anyNonZero(std::initializer_list<double> amounts)
{
    for (double amount : amounts) {
        if (isNonZero(amount))
            return true;
    }
    return false;
}

void scheduleNineAndCppChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *sch3 = c.form<TaxData_Sch3>(FormType::SCH3);
    if (c.present(FormType::T1170) && !sch3)
        c.group.addMsg("Please add form federal Schedule 3 to your tax return when you have form "
                       "T1170 in tax return already.");
    if (auto *sch9 = c.form<TaxData_Sch9>(FormType::SCH9)) {
        const bool related = sch3 && sch3->hasGiftRelatedAmount();
        if (isNonZero(sch9->f33700) && !related)
            c.group.addMsg("You entered an amount in line 33700 of Schedule 9, please enter the "
                           "related entry in schedule 3.");
        if (isNonZero(sch9->f33900) && !related)
            c.group.addMsg("You entered an amount in line 33900 of Schedule 9, please enter the "
                           "related fields in schedule 3.");
    }
    const bool selfEmployment =
        !c.bankrupt &&
        isNonZero(t1.f12200 + t1.f13500 + t1.f13700 + t1.f13900 + t1.f14100 + t1.f14300) &&
        t1.cppMonths > 0;
    if (selfEmployment && t1.cppMode == 1 && !c.present(FormType::SCH8))
        c.group.addMsg("Schedule 8 should be included in the tax return if field 122, 135, 137, "
                       "139, 141 or 143 of T1 is claimed.");
    if (selfEmployment && t1.cppMode == 2 && !c.present(FormType::RC381))
        c.group.addMsg("Form RC381 is needed since field 12200, 13500, 13700, 13900, 14100 or "
                       "14300 of T1 is claimed.");
    if (auto *t1212 = c.form<TaxData_T1212New>(FormType::T1212)) {
        if (isNonZero(t1212->f65210) &&
            (!sch3 || (!isNonZero(sch3->f13200A) && !isNonZero(sch3->f13200B))))
            c.group.addMsg("Field 65210 in form T1212 requires an entry at field 13200 of "
                           "Schedule 3.");
    }
}

void investmentLossChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *sch3 = c.form<TaxData_Sch3>(FormType::SCH3);
    auto *t936 = c.form<TaxData_T936New>(FormType::T936);
    const bool f68080Lines = anyNonZero({t1.f14100, t1.f14300, t1.f23200});
    const bool f68100Lines =
        anyNonZero({t1.f11400, t1.f11500, t1.f13000, t1.f14100, t1.f14300, t1.f25100});
    const bool f68110Lines = isNonZero(t1.f13000);
    if (t936) {
        if (isNonZero(t936->f68080) && !f68080Lines)
            c.group.addMsg(kCheck43);
        if (isNonZero(t936->f68100) && !f68100Lines)
            c.group.addMsg(kCheck44);
        if (isNonZero(t936->f68110) && !f68110Lines)
            c.group.addMsg(kCheck45);
        if (isNonZero(t936->f68150) && (!sch3 || !isNonZero(sch3->f17600)))
            c.group.addMsg("Field 68150 in Chart A of form T936 can only be claimed if there is "
                           "an entry at field 17599/17600 of Schedule 3.");
        if (exceeds(t1.support68080, t936->f68080))
            c.group.addMsg("The supporting field 68080 is claimed for field 23200 of T1, or in "
                           "form T5013, T1163, and T2042. Please also enter the full amount of "
                           "field 6808 in form T936.");
        if (exceeds(t1.support68100, t936->f68100))
            c.group.addMsg("The supporting field 68100 is claimed for line 13000, 25100 of form "
                           "T1, or for box 26 of T3 tax slip, or box 24, 28 of T4A tax slip, or "
                           "in form T5013, T1163, and T2042. Please also enter the full amount "
                           "of field 68100 in form T936.");
        if (exceeds(t1.support68110, t936->f68110))
            c.group.addMsg("The supporting field 68110 is claimed for line 13000 of form T1, or "
                           "for box 28 of T4A slip. Please also enter the full amount of field "
                           "68110 in form T936.");
        if (!sch3 && isPositive(t936->f68140))
            c.group.addMsg("Field 68140 of form T936 needs an amount in field 17600 of "
                           "Schedule 3.");
        if (isPositive(t936->f68150) && exceeds(t1.support68150, t936->f68150))
            c.group.addMsg("The supporting field 68150 is claimed for box 21 of T3 tax slip. "
                           "Please also enter the full amount of field 68150 in form T936.");
    } else if (isNonZero(t1.support68100) || isNonZero(t1.support68110)) {
        c.group.addMsg("Please include form T936 in the tax return since supporting field "
                       "68100/68110 is claimed for line 13000 of T1.");
    }
    if (sch3 && isPositive(sch3->f17600) && (!t936 || exceeds(sch3->f17600, t936->f68140)))
        c.group.addMsg("Field 17599/17600 of Schedule 3 requires a greater amount in field 68140 "
                       "of Form T936.");
}

void capitalGainChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *sch3 = c.form<TaxData_Sch3>(FormType::SCH3);
    const int t2091 =
        c.person.countFormsOfType(FormType::T2091) + c.person.countFormsOfType(FormType::T2091WS);
    if (sch3) {
        const int answer = sch3->answer17900;
        if ((answer == 0 || answer == 1) && t2091 != 1)
            c.group.addMsg("There should be only one form T2091 in tax return according to Field "
                           "17900 of Schedule 3.");
        else if (answer == 2 && t2091 <= 1)
            c.group.addMsg("There should be two or more form T2091 in tax return according to "
                           "Field 17900 of Schedule 3.");
        else if (answer != 0 && answer != 1 && answer != 2 && t2091 > 0)
            c.group.addMsg(kT2091Answer);
        CString lifeEvents;
        const bool flipping = sch3->answer17905 == 0 && !sch3->getF17906LifeEvents(lifeEvents) &&
                              c.person.countFormsOfType(FormType::T2125) == 0;
        if (flipping)
            c.group.addMsg("Answer to field 17905 of Schedule 3 requires a form T2125 to report "
                           "property-flipping activities.");
        if (flipping && (c.edition & 2) && exceeds(0.0, t1.f13500))
            c.group.addMsg("A paper return is required by CRA since there is a net loss of "
                           "property-flipping activity reported.");
    } else if (t2091 > 0) {
        c.group.addMsg(kT2091Answer);
    }

    // The same requirements once more, the supporting amount standing in for an empty T936.
    auto *t936 = c.form<TaxData_T936New>(FormType::T936);
    const auto pick = [t936](const CFloatField *onForm, double support) {
        return t936 && isNonZero(*onForm) ? double(*onForm) : support;
    };
    if (isNonZero(pick(t936 ? &t936->f68080 : nullptr, t1.support68080)) &&
        !anyNonZero({t1.f14100, t1.f14300, t1.f23200}))
        c.group.addMsg(kCheck43);
    if (isNonZero(pick(t936 ? &t936->f68100 : nullptr, t1.support68100)) &&
        !anyNonZero({t1.f11400, t1.f11500, t1.f13000, t1.f14100, t1.f14300, t1.f25100}))
        c.group.addMsg(kCheck44);
    if (isNonZero(pick(t936 ? &t936->f68110 : nullptr, t1.support68110)) && !isNonZero(t1.f13000))
        c.group.addMsg(kCheck45);
}

void benefitChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *t90 = c.form<TaxData_T90>(FormType::T90);
    if ((t1.taxExemptFlag != 0 || isPositive(t1.taxExemptIncome)) && !t90)
        c.group.addMsg("Please add form [%s] into return to %s.", "T90",
                       "report tax-exempted income");
    auto *sch6 = c.form<TaxData_Sch6>(FormType::SCH6);
    if (!sch6)
        return;
    if (t1.GetAge() <= kCwbMinAge && sch6->under19Flag1 != 0 && sch6->under19Flag2 != 0)
        c.group.addMsg("Schedule 6 can not be claimed because you were under age 19 in the tax "
                       "year.");
    if (sch6->isFirstPartInNetfile() && c.isNewImmigrant())
        c.group.addMsg("Please remove Schedule 6 for CWB because the tax payer is an immigrant in "
                       "tax year.");
    if (sch6->isFirstPartInNetfile() && t1.IsEmmigrant())
        c.group.addMsg("Please remove Schedule 6 for CWB because the tax payer is an emigrant in "
                       "tax year.");
    const bool noExemptIncome = !isNonZero(t1.f10105) && t1.taxExemptFlag == 0 &&
                                !isNonZero(sch6->f38107) && !isNonZero(sch6->f38109);
    if (!noExemptIncome && sch6->answer38105 != 0 && sch6->answer38105 != 1)
        c.group.addMsg("Please answer, in field 38105 of Schedule 6, whether you want to include "
                       "tax-exempt income into calculation.");
    if (sch6->answer38105 == 0 && !isNonZero(t1.f10105) &&
        (!t90 || (!isNonZero(t90->f10000) && !isNonZero(t90->f10026))) &&
        !isNonZero(sch6->f38107) && !isNonZero(sch6->f38109))
        c.group.addMsg("Field 38105 in schedule 6 requires at least an amount in field "
                       "10105/10000/10026/38107/38109.");
    if (t1.IsDeceased()) {
        const QDate died = t1.deathDate.date();
        if (died < QDate(TaxData_T1New::kTaxYear, kCwbDeathMonth, 1))
            c.group.addMsg("Working Income Tax Benefit cannot be claimed because tax payer died "
                           "before July 1st in the tax year. Remove form Schedule 6.");
    }
}

void rrspAndElectionChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    auto *sch7 = c.form<TaxData_Sch7>(FormType::SCH7);
    if (sch7) {
        const double incomes = t1.f11500 + t1.f12900 + qMax(0.0, double(t1.f13000));
        if (isPositive(sch7->f24640) && exceeds(sch7->f24640, incomes))
            c.group.addMsg("Field 24640 in Schedule 7 cannot be greater than the total of fields "
                           "11500, 12900 and 13000 of T1.");
        const bool own = isPositive(sch7->contribMarToDec) || isPositive(sch7->contribJanToMar);
        const bool spousePlan =
            isPositive(sch7->spouseContribMarToDec) || isPositive(sch7->spouseContribJanToMar);
        if (t1.GetAge() > kRrspMaxAge && own)
            c.group.addMsg("Tax payer who aged over 71 in the tax year can NOT have a RRSP "
                           "contribution.");
        if (!t1.CanClaimSpouse() && spousePlan)
            c.group.addMsg("You entered spouse RRSP amount, however, your marital status is not "
                           "married or common-law.");
        if (t1.GetSpouseAge() > kRrspMaxAge && spousePlan)
            c.group.addMsg("Tax payer who aged over 71 in the tax year can NOT have a RRSP "
                           "contribution.");
    }
    const double hbp = t1.hbpRepayment + (sch7 ? double(sch7->f24600) : 0.0);
    const double llp = t1.llpRepayment + (sch7 ? double(sch7->f24620) : 0.0);
    if (isPositive(t1.hbpRepaymentRequired) && exceeds(t1.hbpRepaymentRequired, hbp))
        c.group.addMsg("RRSP HBP repayment doesn't meet the minimum requirement according to last "
                       "year assessment.");
    if (isPositive(t1.llpRepaymentRequired) && exceeds(t1.llpRepaymentRequired, llp))
        c.group.addMsg("RRSP LLP repayment doesn't meet the minimum requirement according to last "
                       "year assessment.");

    auto *cpt20 = c.form<TaxData_CPT20_New>(FormType::CPT20);
    if (cpt20 && cpt20->hadElectedF399IncomeToPayCPP()) {
        bool elected = false;
        int option = 0;
        double amount = 0;
        auto *sch8 = c.form<TaxData_Sch8_14>(FormType::SCH8);
        auto *rc381 = c.form<TaxData_RC381>(FormType::RC381);
        if (t1.cppMode == 1 && sch8 && sch8->electionFlag) {
            elected = true;
            option = sch8->electionOption;
            amount = sch8->electionAmount;
        } else if (t1.cppMode == 2 && rc381 && rc381->electionFlag) {
            elected = true;
            option = rc381->electionOption;
            amount = rc381->electionAmount;
        }
        if (elected && (option == 0 || option == 3 || (option == 1 && !isNonZero(amount))))
            c.group.addMsg("Please remove %s.", "form CPT20");
    }
    if (auto *rc383 = c.form<TaxData_RC383>(FormType::RC383)) {
        const double total = rc383->f58750 + rc383->f58810;
        auto *t90 = c.form<TaxData_T90>(FormType::T90);
        if (isPositive(total) && (!t90 || exceeds(total, t90->f10000)))
            c.group.addMsg("The total of Field 58750 and 58810 from RC383 cannot be greater than "
                           "the field 10000 of form T90.");
    }
    if (auto *t2017 = c.form<TaxData_T2017New>(FormType::T2017)) {
        auto *sch3 = c.form<TaxData_Sch3>(FormType::SCH3);
        if (exceeds(t2017->f66844, t2017->f66843) && (!sch3 || !isNonZero(sch3->f11000)))
            c.group.addMsg("There should be an amount in %s.",
                           "field 11000 of schedule 3 since field 66844 is greater than field "
                           "66843 in form T2017");
        if (exceeds(t2017->f66850, t2017->f66883) && (!sch3 || !isNonZero(sch3->f10700)))
            c.group.addMsg("There should be an amount in %s.",
                           "field 10700 of schedule 3 since field 66850 is greater than field "
                           "66883 in form T2017");
        if (exceeds(t2017->f66850, t2017->f66883) && isNonZero(t2017->f66883) &&
            !isNonZero(t2017->f66905))
            c.group.addMsg("There should be an amount in %s.", "field 66905 of form T2017");
    }
    if (c.present(FormType::T2043) && !c.person.hasFarmingIncome())
        c.group.addMsg(
            "Form T2043 needs farming income in the return, otherwise, remove form T2043.");
}

void bankruptcyAndSplitChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    if (c.bankrupt || t1.IsPostBankrupt()) {
        if (auto *sch11 = c.form<TaxData_Sch11>(FormType::SCH11)) {
            const int months = t1.GetBankruptMonthsInTaxYear();
            if (sch11->partTimeMonths > months || sch11->fullTimeMonths > months)
                c.group.addMsg("Number of months in form Schedule 11 can NOT be more than the "
                               "pre-bankrupt months in the tax year.");
        }
        if (auto *t2222 = c.form<CTaxData_T2222>(FormType::T2222)) {
            const int days = t1.GetBankruptDaysInTaxYear();
            bool over = false;
            for (double count : {double(t2222->days1), double(t2222->days2), double(t2222->days3),
                                 double(t2222->days4)})
                over = over || int(count) > days;
            if (over)
                c.group.addMsg("Number of days in form T2222 can NOT be greater than the "
                               "pre-bankrupt days in the tax year.");
        }
    }
    if (c.bankrupt) {
        if (isPositive(t1.hbpRepayment) || isPositive(t1.llpRepayment))
            c.group.addMsg("Pre-bankrupt tax return cannot claim HBP repayment or LLP repayment "
                           "amount at field 12900 on page 2 of T1.");
        if (c.present(FormType::SCH6))
            c.group.addMsg("Pre-bankrupt tax return cannot claim Working Income Tax Benefit. "
                           "Please remove tax form Schedule 6.");
        auto *sch7 = c.form<TaxData_Sch7>(FormType::SCH7);
        if (sch7 && (isPositive(sch7->f24600) || isPositive(sch7->f24620)))
            c.group.addMsg("Pre-bankrupt tax return cannot claim HBP repayment at field 24600 or "
                           "LLP repayment at field 24620 in Schedule 7.");
    }
    if (auto *t1032 = c.form<TaxData_T1032_New>(FormType::T1032)) {
        if (!t1.canClaimT1032())
            c.group.addMsg("Please remove %s.",
                           "T1032 of Split Pension Income, or confirm a separation with spouse "
                           "for less than 90 days in the tax year on page 1 of T1");
        const CString spouseSin = t1.spouseSin.GetTrimedString();
        if (t1.spouseSin.IsEmptyIfRemoveBlank() || spouseSin.CompareNoCase("000000000") == 0 ||
            !CheckSIN(spouseSin))
            c.group.addMsg("Please enter spouse social insurance number on page 1 of T1 as "
                           "required by form T1032.");
        if (t1032->exclusionFlag == 0 && !isNonZero(t1032->secondAmount) &&
            exceeds(t1032->f68026, t1.f13000))
            c.group.addMsg("Field 68026 of form T1032 cannot be greater than field 13000 of T1.");
        if (t1032->exclusionFlag == 0 && exceeds(t1032->f68040 - t1032->f68050, t1.f43700))
            c.group.addMsg("Field 43700 of T1 cannot be less than Field 68040 minus Field 68050 "
                           "of form T1032.");
    }
    if (auto *t1206 = c.form<TaxData_T1206New>(FormType::T1206)) {
        if (isNonZero(t1206->f68330) && exceeds(t1206->f68330, t1.f12000))
            c.group.addMsg("Field 68330 in form T1206 can NOT be greater than field 12000 of T1.");
        if (isNonZero(t1206->f68340) && exceeds(t1206->f68340, t1.f12010))
            c.group.addMsg("Field 68340 in form T1206 can NOT be greater than field 12010 of T1.");
        if (exceeds(t1206->f68360, t1.f23200))
            c.group.addMsg("Field 68360 of form T1206 cannot be greater than field 23200 of T1.");
    }
}

void minimumTaxChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    const bool f22100Or23200 = anyNonZero({t1.f22100, t1.f23200});
    const bool f12200Lines = anyNonZero({t1.f12200, t1.f22100, t1.f23200});
    const bool f22400Lines = anyNonZero({t1.f22100, t1.f22400, t1.f23200});
    auto *t691 = c.form<TaxData_T691New>(FormType::T691);
    if (t691) {
        if (isNonZero(t691->f67820) && !f22100Or23200)
            c.group.addMsg(
                "Field 67820 of form T691 requires an entry at field 22100 or 23200 of T1.");
        if (isNonZero(t691->f6783) && !c.person.hasRentalIncome())
            c.group.addMsg("You cannot enter an amount at line 6783 in T691 while there is no "
                           "amount claimed at line 12600 in T1.");
        if (isNonZero(t691->f6784) && !f12200Lines)
            c.group.addMsg("You cannot enter an amount at line 6784 in T691 while there is no "
                           "amount claimed at field 12200, 22100 or 23200 in T1.");
        if (isNonZero(t691->f6786) && !f22400Lines)
            c.group.addMsg("You cannot enter an amount at line 6786 in T691 while there is no "
                           "amount claimed at line 22100, 22400 or 23200 in T1.");
        if (isNonZero(t691->f67924) && !isNonZero(t1.f22100))
            c.group.addMsg(
                "Field 67924 of form T691 requires an amount at field 22100 of T1 return.");
        if (isNonZero(t691->f67926) && !isNonZero(t1.f22900))
            c.group.addMsg(
                "Field 67926 of form T691 requires an amount at field 22900 of T1 return.");
        if (isNonZero(t691->f67922) && exceeds(t691->f67922, t1.f25300))
            c.group.addMsg(
                "Field 67922 of form T691 cannot be greater than field 25300 of T1 return.");
        if (exceeds(t1.support67820, t691->f67820))
            c.group.addMsg("Supporting field 67820 for field 22100 or 23200 of T1 is entered, "
                           "however the full amount of field 6782 is NOT entered in Alternative "
                           "Minimum Tax form T691.");
        if (exceeds(t1.support67830, t691->f6783))
            c.group.addMsg("Supporting field 67830 for field 12600 of T1 is entered, however the "
                           "full amount of field 6783 is NOT entered in Alternative Minimum Tax "
                           "form T691.");
        if (exceeds(t1.support67840, t691->f6784))
            c.group.addMsg("Supporting field 67840 for field 12200, 22100 or 23200 of T1 is "
                           "entered, however the full amount of field 6784 is NOT entered in "
                           "Alternative Minimum Tax form T691.");
        if (exceeds(t1.support6786, t691->f6786))
            c.group.addMsg("Supporting field 6786 for field 221, 224 or 232 is entered in T1 "
                           "return, however the full amount of field 6786 is NOT entered in "
                           "Alternative Minimum Tax form T691.");
        return;
    }
    if (isNonZero(t1.support67820) && !f22100Or23200)
        c.group.addMsg("Claiming supporting field 67820 requires an amount at field 22100 or "
                       "23200 of form T1.");
    if (isNonZero(t1.support67830) && !c.person.hasRentalIncome())
        c.group.addMsg("Claiming supporting field 67830 requires an amount at line 12600 of T1.");
    if (isNonZero(t1.support67840) && !f12200Lines)
        c.group.addMsg("Claiming supporting field 67840 requires an amount at line 12200, 22100 "
                       "or 23200 of T1.");
    if (isNonZero(t1.support6786) && !f22400Lines)
        c.group.addMsg("Claiming supporting field 67860 requires an amount at line 22100, 22400 "
                       "or 23200 of T1.");
}

void otherFormChecks(ReturnCheckContext &c)
{
    TaxData_T1New &t1 = c.t1;
    if (auto *t1172 = c.form<TaxData_T1172New>(FormType::T1172)) {
        if (exceeds(t1172->f68270 + t1172->f68280, t1.f13000))
            c.group.addMsg("Field 68270 and field 68280 in form T1172 cannot be greater than "
                           "field 13000 of T1.");
    }
    if (auto *t5004 = c.form<TaxData_T5004>(FormType::T5004)) {
        if (exceeds(t1.support67650, t5004->f6765))
            c.group.addMsg("The supporting field 67650 is claimed for box 11 of T5003 slip, or "
                           "for field 22400, 23200 of form T1, or in form T5013, T776, T1163, "
                           "T2042, T2124, T2121. Please also enter the full amount of field 6765 "
                           "in form T5004.");
    }
    if (exceeds(kRentalLoss, t1.f12600)) {
        for (const TaxDataEntryStru *entry : c.person.formEntriesOfType(FormType::T776)) {
            const auto *t776 = dynamic_cast<const TaxData_T776New *>(entry->data);
            if (t776 && exceeds(kRentalLoss, t776->netRental) && isPositive(t776->f9936)) {
                c.group.addMsg("Please lower CCA claim amount (Field 9936) in Rental form T776, "
                               "CCA claim cannot create/increase a rental loss.");
                break;
            }
        }
    }
    double taxWithheld = 0;
    for (const TaxDataEntryStru *entry : c.person.formEntriesOfType(FormType::T2121)) {
        if (const auto *t2121 = dynamic_cast<const TaxData_T2121New *>(entry->data))
            taxWithheld += t2121->f5345;
    }
    if (c.totals.t4fBox14TaxDeducted > 0 && !isNonZero(taxWithheld))
        c.group.addMsg("You reported income tax deducted in T4F tax slip, however, you didn't "
                       "enter box 14 of the T4F slip as supporting field 5345 income with tax "
                       "withheld at the bottom on page 1 of form T2121.");
    if (t1.t4fFlag && t1.fishingCount == 0)
        c.group.addMsg("You added fishing related T4 slip in tax return, you also need to add "
                       "form T2121 to report the details of fishing activity.");
    if (c.present(FormType::T929) && t1.disabilityFlag == 0)
        c.group.addMsg("Form T929 can be included in the tax return only when disability amount "
                       "is claimed on field 316 of Schedule 1.");
    if (!isNonZero(t1.f22900) &&
        (c.person.hasForm(FormType::T777) || c.person.hasForm(FormType::T777S) ||
         c.person.hasForm(FormType::TL2)))
        c.group.addMsg("Please remove form T777/T777S or TL2 from the tax return, because there "
                       "is no work expense claimed on line 22900 of T1.");
}

void businessFormChecks(ReturnCheckContext &c)
{
    const CPostCodeInfo &postCodes = CPostCodeInfo::GetInstance();
    const int province = c.person.m_province;
    const auto fromProvince = [&](const CString &postCode) {
        return postCodes.IsPostCodeFromProv(postCode.left(3), province);
    };
    int t4IncomeCount = 0;
    for (const TaxDataEntryStru *entry : std::as_const(c.person.m_formList)) {
        switch (entry->type) {
        case FormType::T1163:
            if (const auto *t1163 = dynamic_cast<const TaxData_T1163New *>(entry->data)) {
                if (t1163->farmsteadProvince != c.t1.getMainTaxProvince())
                    c.group.addMsg("The province of main farmstead is not same as residence "
                                   "province on Dec. 31.");
                if (!fromProvince(t1163->businessPostalCode))
                    c.group.addMsg("Postcode in form T1163 indicates you are NOT doing business "
                                   "in the tax province. Please correct the postcode or the tax "
                                   "return is NOT eligible for NETFILE/EFILE service.");
            }
            break;
        case FormType::T2042:
            if (const auto *t2042 = dynamic_cast<const TaxData_T2042New *>(entry->data)) {
                if (!fromProvince(t2042->businessPostalCode))
                    c.group.addMsg("Postcode in form T2042 indicates you are NOT doing business "
                                   "in the tax province. Please correct the postcode or the tax "
                                   "return is NOT eligible for NETFILE/EFILE service.");
            }
            break;
        case FormType::T2125:
        case FormType::T2125C:
            if (const auto *t2125 = dynamic_cast<const TaxData_T2125_New *>(entry->data)) {
                if (!fromProvince(t2125->businessPostalCode))
                    c.group.addMsg(entry->type == FormType::T2125
                                       ? "Postcode in form T2125 indicates you are NOT doing "
                                         "business in the tax province. Please correct the "
                                         "postcode or the tax return is NOT eligible for "
                                         "NETFILE/EFILE service."
                                       : "Postcode in Commission form indicates you are NOT "
                                         "doing business in the tax province. Please correct the "
                                         "postcode or the tax return is NOT eligible for "
                                         "NETFILE/EFILE service.");
                if (t2125->t4Income != 0)
                    ++t4IncomeCount;
            }
            break;
        default:
            break;
        }
    }
    if (t4IncomeCount > 0 && c.person.countSlipsOfType(SlipType::T4) == 0)
        c.group.addMsg("There is no [%s] tax slip in the return.", "T4");
    else if (t4IncomeCount == 0 && c.totals.t4PlacementAgencySeen)
        c.group.addMsg("You claimed placement agency income in T4 slip; however, you didn't "
                       "report the income in any self-employment business form.");
    if (c.person.hasForm(FormType::T1163) && GetCAISFormTypeFromProv(province) != FormType::T1163)
        c.group.addMsg("Remove form T1163 since it's not allowed in this tax province.");
    if (c.person.hasForm(FormType::T1273) && GetCAISFormTypeFromProv(province) != FormType::T1273)
        c.group.addMsg("Remove form T1273 since it's not allowed in this tax province.");
    if (c.person.countFormsOfType(FormType::T2125) == 0 && c.totals.t1204Count > 0)
        c.group.addMsg("Tax form %s is needed because %s.", "T2125",
                       "tax slip T1204 is entered into tax return");
}

} // namespace

void runSecondHalfChecks(ReturnCheckContext &c)
{
    scheduleNineAndCppChecks(c);
    investmentLossChecks(c);
    capitalGainChecks(c);
    benefitChecks(c);
    rrspAndElectionChecks(c);
    bankruptcyAndSplitChecks(c);
    minimumTaxChecks(c);
    otherFormChecks(c);
    businessFormChecks(c);
}
