// The federal schedules: field-holder classes of Schedules 2 to 15.
#pragma once

#include "marrow/CppContributionFields.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"

// Schedule 2: amounts transferred from the spouse.
class TaxData_Sch2 : public CTaxData_Form
{
public:
    TaxData_Sch2() : CTaxData_Form(FormType::SCH2) {}
    CFloatField ageAmount{this, "ageAmount"};
    CFloatField caregiverAmount{this, "caregiverAmount"};
    CFloatField pensionAmount{this, "pensionAmount"};
    CFloatField disabilityAmount{this, "disabilityAmount"};
    CFloatField tuitionAmount{this, "tuitionAmount"};
    CFloatField spouseTaxAmount{this, "spouseTaxAmount"};
    CFloatField spouseAgeAmount{this, "spouseAgeAmount"};
    CBoolField spouseOver65{this, "spouseOver65"};
    CBoolField spouseOver18{this, "spouseOver18"};
    CBoolField canClaim{this, "canClaim"};
    CIntField daysInYear{this, "daysInYear"};
    CIntField daysInCanada{this, "daysInCanada"};
    CIntField ageAmountAllowed{this, "ageAmountAllowed"};
    CFloatField f36000{this, "36000"};
    CFloatField f36100{this, "36100"};
    // The partner's two further sources the spouse exchange brings in.
    CFloatField basicAmount{this, "basicAmount"};
    CFloatField contributionCredits{this, "contributionCredits"};

    // The spouse's unused amounts less the part of them the spouse needs for the spouse's own
    // tax.
    void Calculate01();
};

// Schedule 3: capital gains and losses.
class TaxData_Sch3 : public CTaxData_Form
{
public:
    TaxData_Sch3() : CTaxData_Form(FormType::SCH3) {}
    CFloatField netResult{this, "netResult"};
    CBoolField t3Flag{this, "t3Flag"};
    CFloatField principalResidenceTotal{this, "principalResidenceTotal"};
    CFloatField principalResidenceFlagged{this, "principalResidenceFlagged"};
    CBoolField deceased{this, "deceased"};
    CFloatField t2017Amount{this, "t2017Amount"};
    // 0 is an answer to both, so a new schedule starts unanswered.
    CIntField answer17900{this, "17900", -1};
    CIntField answer17905{this, "17905", -1};
    CFloatField f10700{this, "10700"};
    CFloatField f11000{this, "11000"};
    CFloatField f13200A{this, "13200A"};
    CFloatField f13200B{this, "13200B"};
    CFloatField f17599{this, "17599"};
    CFloatField f17600{this, "17600"};
    // Entered dispositions: proceeds, adjusted cost base and outlays per row.
    static constexpr int kDispositions = 10;
    CTableField dispositions{this,
                             "dispositions",
                             kDispositions,
                             {FieldType::Float, FieldType::Float, FieldType::Float}};
    // Gains the slips and other forms bring, reset or set by the calculation.
    CFloatField slipGains{this, "slipGains"};
    CFloatField t5Box18{this, "t5Box18"};
    CFloatField t1170Gain{this, "t1170Gain"};
    CFloatField mortgageForeclosure{this, "mortgageForeclosure"};
    CFloatField f19700{this, "19700"};
    CFloatField f19900{this, "19900"};

    // Shares and securities sold, one row each: quantity, description, book value (adjusted
    // cost base), settlement amount (proceeds) and whether a download made the row. The table
    // has a fixed room; the count says how many rows, from the first, are in use.
    static constexpr int kEquityEntryRoom = 500;
    enum EquityColumn
    {
        EquityQuantity = 0,
        EquityDescription = 1,
        EquityBookValue = 2,
        EquitySettlement = 3,
        EquityDownloaded = 4
    };
    CTableField equityEntries{
        this,
        "equityEntries",
        kEquityEntryRoom,
        {FieldType::Float, FieldType::String, FieldType::Float, FieldType::Float, FieldType::Bool}};
    CIntField equityEntryCount{this, "equityEntryCount"};
    // Makes room for count rows: true when the table holds them (the rows beyond the count
    // in use are left as they are); false, with nothing changed, when count is negative or
    // beyond the room.
    bool AllocateMoreEquityEntries(int count) const
    {
        return count >= 0 && count <= equityEntries.rowCount();
    }
    // The rows in use: the count held to the table's room (0 when negative).
    int usedEquityEntries() const;

    // Net gains (line 19700): the dispositions, the shares sold, the slip gains, the reserves
    // of the T2017 and the gains on gifts and on a principal residence not covered by the
    // exemption.
    void CalculateBeforeLine193();
    // The taxable part (line 19900): the inclusion rate of the net gains or loss; the net
    // result takes it too.
    void CalculateTaxableCapGain();
    double getTaxableCapitalGain() const { return f19900; }
    double getMortgageForClosureAndConditionSale() const { return mortgageForeclosure; }
    // Gains on gifted property, and the life event that explains a disposition (0 none).
    CFloatField f13100{this, "13100"};
    CFloatField f13800{this, "13800"};
    CFloatField f15300{this, "15300"};
    CIntField f17906{this, "17906"};

    // The gains a gift of property reported on Schedule 9 shows here.
    bool hasGiftRelatedAmount() const
    {
        for (double amount : {double(f10700), double(f11000), double(f13100), double(f13200A),
                              double(f13200B), double(f13800), double(f15300), double(f17600)}) {
            if (qAbs(amount) >= kAmountTolerance)
                return true;
        }
        return false;
    }
    // True when a life event is given at field 17906; the text names it.
    bool getF17906LifeEvents(CString &text) const
    {
        if (f17906 == 0)
            return false;
        text = CString(QStringLiteral("Life event %1").arg(int(f17906)));
        return true;
    }
};

// Schedule 5: amounts for a spouse and eligible dependants.
class TaxData_Sch5 : public CTaxData_Form
{
public:
    TaxData_Sch5() : CTaxData_Form(FormType::SCH5) {}
    CIntField spouseClaim{this, "spouseClaim"};
    CFloatField sharedValue{this, "sharedValue"};
    CFloatField dayBasis{this, "dayBasis"};
    CFloatField daysInCanada{this, "daysInCanada"};
    CFloatField bankruptDays{this, "bankruptDays"};
    CFloatField daysInYear{this, "daysInYear"};
    CBoolField maritalChange{this, "maritalChange"};
    CBoolField hasSpouse{this, "hasSpouse"};
    CBoolField canClaimSpouse{this, "canClaimSpouse"};
    CFloatField spouseNetIncome{this, "spouseNetIncome"};
    CIntField eligibleDependants{this, "eligibleDependants"};
    CIntField topCheckbox{this, "topCheckbox"};
    CStringField sin55295{this, "55295", 11};
    CFloatField f30300{this, "30300"};
    CFloatField claimantNetIncome{this, "claimantNetIncome"};
    CFloatField dependantNetIncome{this, "dependantNetIncome"};
    CFloatField f30400{this, "30400"};
    // The Canada caregiver amount: the spouse or the eligible dependant (18 or older) has an
    // impairment in physical or mental functions. Results: the top-up for that person (line
    // 30425) and the amount for the other infirm dependants 18 or older of the dependants
    // block (line 30450).
    CBoolField spouseInfirm{this, "spouseInfirm"};
    CBoolField dependantInfirm{this, "dependantInfirm"};
    CFloatField f30425{this, "30425"};
    CFloatField f30450{this, "30450"};

    // The spouse amount, or the amount for an eligible dependant when there is no spouse to
    // claim: the claimant's basic personal amount (with the caregiver addition for an infirm
    // person) less the other person's net income; then the caregiver amounts.
    void Calculate01();
    // Lines 30425 and 30450 (FederalFormCalculations.cpp).
    void CalculateCaregiver();
};

// Schedule 6: Canada Workers Benefit.
class TaxData_Sch6 : public CTaxData_Form
{
public:
    TaxData_Sch6() : CTaxData_Form(FormType::SCH6) {}
    CIntField noEligibleSpouse{this, "noEligibleSpouse"};
    CIntField ownAnswer{this, "ownAnswer"};
    CIntField partnerAnswer{this, "partnerAnswer"};
    CIntField basicBenefitAnswer{this, "basicBenefitAnswer"};
    // 0 and 1 are answers, so a new schedule starts unanswered.
    CIntField answer38105{this, "38105", -1};
    CIntField under19Flag1{this, "under19Flag1"};
    CIntField under19Flag2{this, "under19Flag2"};
    CIntField maritalStatus{this, "maritalStatus"};
    CIntField province{this, "province"};
    CBoolField emigrant{this, "emigrant"};
    CFloatField workingIncome{this, "workingIncome"};
    CFloatField selfEmploymentIncome{this, "selfEmploymentIncome"};
    CFloatField partnerEmploymentIncome{this, "partnerEmploymentIncome"};
    CFloatField partnerSelfEmploymentIncome{this, "partnerSelfEmploymentIncome"};
    CFloatField rc210Box10{this, "rc210Box10"};
    CFloatField rc210Box11{this, "rc210Box11"};
    CFloatField f38107{this, "38107"};
    CFloatField f38109{this, "38109"};
    // What the spouse exchange mirrors of the partner's schedule and return.
    CFloatField adjustedNetIncome{this, "adjustedNetIncome"};
    CFloatField spouseRc210Box10{this, "spouseRc210Box10"};
    CFloatField spouseRc210Box11{this, "spouseRc210Box11"};
    CBoolField spouseDisabilityClaimed{this, "spouseDisabilityClaimed"};
    // Given by pass 5: the person claims the disability amount (line 31600).
    CBoolField disabilityClaimed{this, "disabilityClaimed"};
    // Results: the basic benefit and the disability supplement; line 45300 is their sum.
    CFloatField basicBenefit{this, "basicBenefit"};
    CFloatField disabilitySupplement{this, "disabilitySupplement"};
    CFloatField spouseAdjustedNetIncome{this, "spouseAdjustedNetIncome"};
    CFloatField partnerOtherWorkingIncome{this, "partnerOtherWorkingIncome"};
    void setACWBAmounts(double box10, double box11)
    {
        rc210Box10 = box10;
        rc210Box11 = box11;
    }
    CFloatField adjustedFamilyIncome{this, "adjustedFamilyIncome"};
    CBoolField family{this, "family"};
    CFloatField f45300{this, "45300"};
    // Given by pass 5: a full-time student for more than 13 weeks of the year (Schedule 11's
    // full-time months above 3), and the children under 19 at the end of the year, the
    // eligible dependants that keep such a student's benefit.
    CIntField fullTimeStudent{this, "fullTimeStudent"};
    CIntField childrenUnder19{this, "childrenUnder19"};

    // The basic Canada workers benefit: 27% of working income above 3,000 up to the maximum,
    // less 15% of adjusted net income above the threshold; and the disability supplement of
    // a person who claims the disability amount. Residents of Quebec, Alberta and Nunavut get
    // 0 (their 2025 figures are not in the published figures used), and so does a full-time
    // student without an eligible dependant.
    void Calculate01();
    // Whether the benefit is worked out for a resident of the province (and an emigrant): the
    // advance payments are only paid back where the year's benefit is paid too.
    static bool benefitComputedFor(int province, bool emigrant)
    {
        return !emigrant && province != ProvinceCode::QC && province != ProvinceCode::AB &&
               province != ProvinceCode::NU;
    }

    // Part 1 (the basic benefit) holds an income, so the schedule goes with the filing.
    bool isFirstPartInNetfile() const
    {
        return qAbs(double(workingIncome)) >= kAmountTolerance ||
               qAbs(double(selfEmploymentIncome)) >= kAmountTolerance;
    }
};

// Schedule 7: RRSP, PRPP and SPP contributions.
class TaxData_Sch7 : public CTaxData_Form
{
public:
    TaxData_Sch7() : CTaxData_Form(FormType::SCH7) {}
    CFloatField rrspDeductionLimit{this, "rrspDeductionLimit"};
    CFloatField unusedRrspContributions{this, "unusedRrspContributions"};
    CFloatField contribMarToDec{this, "contribMarToDec"};
    CFloatField contribJanToMar{this, "contribJanToMar"};
    CFloatField spouseContribMarToDec{this, "spouseContribMarToDec"};
    CFloatField spouseContribJanToMar{this, "spouseContribJanToMar"};
    CFloatField prppPriorYear{this, "prppPriorYear"};
    CFloatField prppCurrentYear{this, "prppCurrentYear"};
    CFloatField hbpWithdrawal{this, "hbpWithdrawal"};
    CFloatField llpWithdrawal{this, "llpWithdrawal"};
    // Contributions designated as repayments of the Home Buyers' Plan and the Lifelong
    // Learning Plan: repaid, so not deducted.
    CFloatField hbpRepayment{this, "hbpRepayment"};
    CFloatField llpRepayment{this, "llpRepayment"};
    CFloatField f24600{this, "24600"};
    CFloatField f24620{this, "24620"};
    CFloatField f24640{this, "24640"};
};

// Schedule 8: CPP contributions on self-employment and other earnings.
class TaxData_Sch8_14 : public CTaxData_Form
{
public:
    TaxData_Sch8_14() : CTaxData_Form(FormType::SCH8) {}
    CBoolField line10100Flag{this, "line10100Flag"};
    CBoolField cppExempt{this, "cppExempt"};
    CIntField t4Count{this, "t4Count"};
    CIntField quebecCount{this, "quebecCount"};
    CFloatField box16Total{this, "box16Total"};
    CFloatField box16ATotal{this, "box16ATotal"};
    CIntField employmentKind{this, "employmentKind"};
    CBoolField electionFlag{this, "electionFlag"};
    CIntField electionOption{this, "electionOption"};
    CFloatField electionAmount{this, "electionAmount"};
    CFloatField f50372{this, "50372"};
    CFloatField f50374{this, "50374"};
    CppContributionFields cpp{this};

    void Calculate01();
    void getCPPRelatedAmounts(double amounts[6]) const { cpp.getCPPRelatedAmounts(amounts); }
    void mockCPPQPPMonthIfNeeded() {}
};

// Schedule 9: donations and gifts.
class TaxData_Sch9 : public CTaxData_Form
{
public:
    TaxData_Sch9() : CTaxData_Form(FormType::SCH9) {}
    CFloatField donations{this, "donations"};
    CFloatField otherGifts{this, "otherGifts"};
    CFloatField netIncome{this, "netIncome"};
    CFloatField taxableIncome{this, "taxableIncome"};
    CBoolField deceased{this, "deceased"};
    CFloatField f33700{this, "33700"};
    CFloatField f33900{this, "33900"};
    // What the slips report: charitable donations and other gifts.
    CFloatField slipDonations{this, "slipDonations"};
    CFloatField slipGifts{this, "slipGifts"};
    // The signed share of the couple's donations moved into this return by the sharing.
    CFloatField donationSharing{this, "donationSharing"};

    // The donations typed on the form, before the sharing and the slips.
    double totalDonations() const { return donations + otherGifts; }

    // The allowable gifts (at most 75% of net income, all of it in the year of death) and
    // their credit.
    void Calculate01();
};

// Schedule 10: Canada training credit.
class TaxData_Sch10 : public CTaxData_Form
{
public:
    TaxData_Sch10() : CTaxData_Form(FormType::SCH10) {}
};

// Schedule 11: tuition, education and textbook amounts.
class TaxData_Sch11 : public CTaxData_Form
{
public:
    TaxData_Sch11() : CTaxData_Form(FormType::SCH11) {}
    CFloatField carryForward{this, "carryForward"};
    CFloatField transferToSpouse{this, "transferToSpouse"};
    CFloatField partTimeMonths{this, "partTimeMonths"};
    CFloatField fullTimeMonths{this, "fullTimeMonths"};
    CBoolField partTimeFlag{this, "partTimeFlag"};
    CFloatField fees{this, "fees"};
    CFloatField incomeBase{this, "incomeBase"};
    CBoolField claimAllowed{this, "claimAllowed"};
    CFloatField creditsSum{this, "creditsSum"};
    CFloatField f32700{this, "32700"};
    // The unused amount carried forward to the next year.
    CFloatField f59140{this, "59140"};
    // The Canada training credit limit on the notice of assessment (typed, or filled by
    // Auto-fill), and whether the person may claim the credit this year (set by the
    // calculation: resident all year and of the age the credit asks).
    CFloatField canadaTrainingCreditLimit{this, "canadaTrainingCreditLimit"};
    CBoolField trainingCreditEligible{this, "trainingCreditEligible"};

    double getF59140() const { return f59140; }
    // The tax on taxable income the base is taken from above the first threshold.
    CFloatField taxAmount{this, "taxAmount"};
    CFloatField available{this, "available"};
    CFloatField f45350{this, "45350"};

    // The Canada training credit (line 45350): half of the year's fees, at most the limit; the
    // fees it is claimed on leave the tuition amount. The tuition claimed this year: what is
    // available, at most what reduces the base to the other credits; the rest is carried
    // forward.
    void Calculate01();
};

// Home accessibility expenses.
class TaxData_Sch12_2016 : public CTaxData_Form
{
public:
    TaxData_Sch12_2016() : CTaxData_Form(FormType::SCH12HA) {}
    // Entered: the eligible expenses of the renovation. Result: the amount claimed (line
    // 31285), at most the yearly maximum (docs/TaxFigures2025.md).
    CFloatField eligibleExpenses{this, "eligibleExpenses"};
    CFloatField f31285{this, "31285"};
    void Calculate01();
};

// Schedule 13: employment insurance on self-employment.
class TaxData_Sch13 : public CTaxData_Form
{
public:
    TaxData_Sch13() : CTaxData_Form(FormType::SCH13) {}
    CIntField ownFlag{this, "ownFlag"};
    CFloatField insurableEarnings{this, "insurableEarnings"};
    CFloatField f54493{this, "54493"};
    CFloatField f54494{this, "54494"};
    CFloatField f53550{this, "53550"};
    // Pass 2 gives the self-employment earnings and the employment earnings beside them
    // (informational); Quebec residents pay at the Quebec rate.
    CFloatField selfEmploymentEarnings{this, "selfEmploymentEarnings"};
    CFloatField employmentEarnings{this, "employmentEarnings"};
    CBoolField quebecResident{this, "quebecResident"};
    CFloatField insurableSelfEmployment{this, "insurableSelfEmployment"};
    CFloatField premium{this, "premium"};

    // The premium on the self-employment earnings that fit under the maximum insurable
    // earnings left after the insurable employment earnings (T4 box 24).
    void calculate() override;
    double getResult() const { return premium; }
};
