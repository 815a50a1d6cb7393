// TaxData_T1New: the T1 General, the person's main form.
#pragma once

#include "marrow/FederalTaxRules.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"

#include <QStringList>

// T1 General: identification, the lines of the return, the dependants' medical rows.
class TaxData_T1New : public CTaxData_Form
{
public:
    TaxData_T1New() : CTaxData_Form(FormType::T1) {}
    // The five tabs; only the fields the tabs name as the user's are typed in.
    void createPages(QList<BaseTaxPage *> &pages, QWidget *parent) override;
    bool isCalculatedField(const CField &field) const override;
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CDateField birthDate{this, "birthDate"};
    CIntField maritalStatus{this, "maritalStatus"};
    CIntField province{this, "province"};
    CStringField provinceText{this, "provinceText"};
    CStringField email{this, "email", 80};
    CStringField phone{this, "phone", 20};
    CStringField careOf{this, "careOf"};
    CStringField street{this, "street"};
    // The second street line and the rural route of the mailing address.
    CStringField street2{this, "street2"};
    CStringField ruralRoute{this, "ruralRoute", 20};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
    CBoolField foreignAddress{this, "foreignAddress"};
    CStringField country{this, "country"};
    CStringField state{this, "state"};
    CStringField spouseSin{this, "spouseSin", 11};
    CStringField spouseFirstName{this, "spouseFirstName"};
    CStringField spouseLastName{this, "spouseLastName"};
    CDateField spouseBirthDate{this, "spouseBirthDate"};
    CFloatField spouseNetIncome{this, "spouseNetIncome"};
    CIntField reFileFlag{this, "reFileFlag"};
    CIntField filingStatus{this, "filingStatus"};
    CIntField preparerIndicator{this, "preparerIndicator"};
    CIntField language{this, "language"};
    CIntField citizen{this, "citizen"};
    CIntField elecanauth{this, "elecanauth"};
    CIntField statusInt1{this, "statusInt1"};
    CIntField statusInt2{this, "statusInt2"};
    CBoolField factualResident{this, "factualResident"};
    CDateField entryDate{this, "entryDate"};
    CDateField departureDate{this, "departureDate"};
    CDateField deathDate{this, "deathDate"};
    CDateField bankruptDate{this, "bankruptDate"};
    CStringField accessCode{this, "accessCode", 8};
    CStringField ddBranch{this, "ddBranch", 5};
    CStringField ddInstitution{this, "ddInstitution", 3};
    CStringField ddAccount{this, "ddAccount", 12};
    CStringField secondName{this, "secondName"};
    CStringField secondEmail{this, "secondEmail", 80};
    CDateField spouseEntryDate{this, "spouseEntryDate"};
    CBoolField multiYearFiling{this, "multiYearFiling"};
    CStringField confirmation{this, "confirmation", 80};
    CStringField filingTime{this, "filingTime", 30};
    CStringField preparerName{this, "preparerName"};
    CStringField preparerAddress{this, "preparerAddress"};
    CStringField preparerCity{this, "preparerCity"};
    CStringField preparerEfileNumber{this, "preparerEfileNumber", 10};
    CStringField preparerPhone{this, "preparerPhone", 20};
    CStringField partnershipText{this, "partnershipText", 80};
    CFloatField sch5SharedValue{this, "sch5SharedValue"};
    CFloatField pensionAt65{this, "pensionAt65"};
    CFloatField pensionUnder65{this, "pensionUnder65"};
    CFloatField spousalPlanAdjustment{this, "spousalPlanAdjustment"};
    CFloatField taxInstalmentsPaid{this, "taxInstalmentsPaid"};
    CFloatField rrspDeductionLimit{this, "rrspDeductionLimit"};
    CFloatField unusedRrspContributions{this, "unusedRrspContributions"};
    CFloatField hbpRepaymentRequired{this, "hbpRepaymentRequired"};
    CFloatField llpRepaymentRequired{this, "llpRepaymentRequired"};
    CFloatField fedTuitionCarryForward{this, "fedTuitionCarryForward"};
    CFloatField provTuitionCarryForward{this, "provTuitionCarryForward"};
    CFloatField t1212CarryForward{this, "t1212CarryForward"};
    CFloatField t1mCarryAmount{this, "t1mCarryAmount"};
    CFloatField medSelfAmount{this, "medSelfAmount"};
    CFloatField medSpouseAmount{this, "medSpouseAmount"};
    CIntField medSelfMonths{this, "medSelfMonths"};
    CTableField dependantMedical{
        this,
        "dependantMedical",
        12,
        {FieldType::Float, FieldType::Float, FieldType::Float, FieldType::Float, FieldType::Float}};
    // Values the spouse exchange moves between the two returns.
    CFloatField uccbAmount{this, "uccbAmount"};
    CFloatField uccbRepayment{this, "uccbRepayment"};
    CFloatField spouseUccbAmount{this, "spouseUccbAmount"};
    CFloatField spouseUccbRepayment{this, "spouseUccbRepayment"};
    CFloatField excludedIncome2{this, "excludedIncome2"};
    CFloatField excludedRepayment2{this, "excludedRepayment2"};
    CFloatField spouseExcludedIncome2{this, "spouseExcludedIncome2"};
    CFloatField spouseExcludedRepayment2{this, "spouseExcludedRepayment2"};
    CFloatField spouseTaxableIncome{this, "spouseTaxableIncome"};
    CFloatField netIncomeDeduction{this, "netIncomeDeduction"};
    CFloatField spouseNetIncomeDeduction{this, "spouseNetIncomeDeduction"};
    CIntField partnerSelfEmployed{this, "partnerSelfEmployed"};
    CIntField spouseExcluded{this, "spouseExcluded"};
    CFloatField ageAmountSource{this, "ageAmountSource"};
    CFloatField pensionAmountSource{this, "pensionAmountSource"};
    CFloatField disabilityAmountSource{this, "disabilityAmountSource"};
    // Further amounts of the spouse exchange: three the partner's return mirrors after net
    // income, the amount for the partner's T778, the pension income the partner's T1032 sums,
    // the other working income of the partner's Schedule 6 and two Schedule 2 sources.
    CFloatField f12500{this, "12500"};
    CFloatField f22215{this, "22215"};
    CFloatField f42200{this, "42200"};
    CFloatField spouseRdspIncome{this, "spouseRdspIncome"};
    CFloatField spouseCppEnhancedDeduction{this, "spouseCppEnhancedDeduction"};
    CFloatField spouseSocialBenefitsRepayment{this, "spouseSocialBenefitsRepayment"};
    CFloatField childCareIncome{this, "childCareIncome"};
    CFloatField splitEligiblePension{this, "splitEligiblePension"};
    CFloatField splitEligibleAnnuity{this, "splitEligibleAnnuity"};
    CFloatField splitEligibleRrif{this, "splitEligibleRrif"};
    CFloatField cwbOtherWorkingIncome{this, "cwbOtherWorkingIncome"};
    CFloatField basicAmountSource{this, "basicAmountSource"};
    CFloatField contributionCreditsSource{this, "contributionCreditsSource"};
    // Earned income of the contribution room estimate, beside lines the T1 already holds.
    CFloatField f12800{this, "12800"};
    CFloatField f15200{this, "15200"};
    // Day counts of the tax year, kept as amounts.
    CFloatField daysInYear{this, "daysInYear"};
    CFloatField daysInCanada{this, "daysInCanada"};
    CFloatField daysInCanada2{this, "daysInCanada2"};
    CFloatField bankruptDays{this, "bankruptDays"};
    CFloatField dayBasis{this, "dayBasis"};
    // Flags, modes and counts the calculation stores.
    CIntField cppMode{this, "cppMode"};
    CIntField cppMonths{this, "cppMonths"};
    CBoolField cppRetirementFlag{this, "cppRetirementFlag"};
    CBoolField noCppFlag{this, "noCppFlag"};
    CBoolField quebecEmployment{this, "quebecEmployment"};
    CIntField employmentKind{this, "employmentKind"};
    CIntField t4Count{this, "t4Count"};
    CIntField t4CountOther{this, "t4CountOther"};
    CIntField indianActFlag{this, "indianActFlag"};
    CIntField t90Flag{this, "t90Flag"};
    CBoolField t1206Flag{this, "t1206Flag"};
    CBoolField t4fFlag{this, "t4fFlag"};
    CIntField taxExemptFlag{this, "taxExemptFlag"};
    CIntField disabilityFlag{this, "disabilityFlag"};
    CIntField beneficiaryFlag{this, "beneficiaryFlag"};
    CIntField maritalChange{this, "maritalChange"};
    CBoolField deceasedFlag{this, "deceasedFlag"};
    CBoolField under18Flag{this, "under18Flag"};
    CBoolField hasSpouseData{this, "hasSpouseData"};
    CIntField overwriteStatus{this, "overwriteStatus"};
    CIntField selfEmploymentProvince{this, "selfEmploymentProvince"};
    // The deductions of the foreign retirement-plan forms RC267, RC268 and RC269 (0 without the
    // form), and the choice to revoke the election of a fiscal period not ending on 31 December.
    CFloatField rc267Amount{this, "rc267Amount"};
    CFloatField rc268Amount{this, "rc268Amount"};
    CFloatField rc269Amount{this, "rc269Amount"};
    CBoolField revokeFiscalPeriod{this, "revokeFiscalPeriod"};
    CIntField restrictedFarmLoss{this, "restrictedFarmLoss"};
    CBoolField partnershipIndicator{this, "partnershipIndicator"};
    CIntField infirmDependants18Plus{this, "infirmDependants18Plus"};
    CIntField childrenUnder18{this, "childrenUnder18"};
    CIntField infirmDependants{this, "infirmDependants"};
    CFloatField children30500{this, "children30500"};
    CIntField rentalCount{this, "rentalCount"};
    CIntField businessCount{this, "businessCount"};
    CIntField professionalCount{this, "professionalCount"};
    CIntField farmingCount{this, "farmingCount"};
    CIntField commissionCount{this, "commissionCount"};
    CIntField fishingCount{this, "fishingCount"};
    // Amounts by role.
    CFloatField employmentIncome2{this, "employmentIncome2"};
    CFloatField t4EmploymentAmount{this, "t4EmploymentAmount"};
    CFloatField t3BusinessAmount{this, "t3BusinessAmount"};
    CFloatField canadaEmploymentBase{this, "canadaEmploymentBase"};
    CFloatField otherIncome{this, "otherIncome"};
    CFloatField pension11500A{this, "pension11500A"};
    CFloatField pension11500B{this, "pension11500B"};
    CFloatField other10400A{this, "other10400A"};
    CFloatField other10400B{this, "other10400B"};
    CFloatField pensionTaxDeducted{this, "pensionTaxDeducted"};
    CFloatField pensionSplitTaxTransfer{this, "pensionSplitTaxTransfer"};
    CFloatField taxedIncomeTotal{this, "taxedIncomeTotal"};
    CFloatField indianActEmployment{this, "indianActEmployment"};
    CFloatField taxExemptIncome{this, "taxExemptIncome"};
    CFloatField exemptBenefits{this, "exemptBenefits"};
    CFloatField parentalInsurance{this, "parentalInsurance"};
    CFloatField cppContributions{this, "cppContributions"};
    CFloatField qppContributions{this, "qppContributions"};
    CFloatField cppRetirementBenefit{this, "cppRetirementBenefit"};
    CFloatField prppEmployer{this, "prppEmployer"};
    CFloatField mbShelterAmount{this, "mbShelterAmount"};
    CFloatField grossRentalIncome{this, "grossRentalIncome"};
    CFloatField farmingAmount{this, "farmingAmount"};
    CFloatField selfEmploymentIncome{this, "selfEmploymentIncome"};
    CFloatField otherSelfEmploymentIncome{this, "otherSelfEmploymentIncome"};
    CFloatField additionalTaxes{this, "additionalTaxes"};
    CFloatField foreignTaxCredit{this, "foreignTaxCredit"};
    CFloatField quebecAbatement{this, "quebecAbatement"};
    CFloatField abatementBase{this, "abatementBase"};
    // The federal tax on split income less the credits the T1206 allows against it (its line
    // 24): the net federal tax (42000) is never below it.
    CFloatField splitIncomeTax{this, "splitIncomeTax"};
    CFloatField t1212Amount{this, "t1212Amount"};
    CFloatField hbpRepayment{this, "hbpRepayment"};
    CFloatField llpRepayment{this, "llpRepayment"};
    CFloatField signedBalance{this, "signedBalance"};
    // Supporting amounts of the minimum-tax and investment-loss forms.
    CFloatField support5354{this, "5354"};
    CFloatField support6786{this, "6786"};
    CFloatField support67650{this, "67650"};
    CFloatField support67820{this, "67820"};
    CFloatField support67830{this, "67830"};
    CFloatField support67840{this, "67840"};
    CFloatField support68080{this, "68080"};
    CFloatField support68100{this, "68100"};
    CFloatField support68110{this, "68110"};
    CFloatField support68150{this, "68150"};
    CFloatField f10000{this, "10000"};
    CFloatField f10100{this, "10100"};
    CFloatField f10105{this, "10105"};
    CFloatField f10400{this, "10400"};
    CFloatField f10700{this, "10700"};
    CFloatField f11000{this, "11000"};
    CFloatField f11300{this, "11300"};
    CFloatField f11400{this, "11400"};
    CFloatField f11410{this, "11410"};
    CFloatField f11500{this, "11500"};
    CFloatField f11600{this, "11600"};
    CFloatField f11900{this, "11900"};
    CFloatField f12000{this, "12000"};
    CFloatField f12010{this, "12010"};
    CFloatField f12200{this, "12200"};
    CFloatField f12600{this, "12600"};
    CFloatField f12700{this, "12700"};
    CFloatField f12900{this, "12900"};
    CFloatField f13000{this, "13000"};
    CFloatField f13200{this, "13200"};
    CFloatField f13499{this, "13499"};
    CFloatField f13500{this, "13500"};
    CFloatField f13699{this, "13699"};
    CFloatField f13700{this, "13700"};
    CFloatField f13899{this, "13899"};
    CFloatField f13900{this, "13900"};
    CFloatField f14099{this, "14099"};
    CFloatField f14100{this, "14100"};
    CFloatField f14299{this, "14299"};
    CFloatField f14300{this, "14300"};
    CFloatField f14400{this, "14400"};
    CFloatField f14500{this, "14500"};
    CFloatField f14600{this, "14600"};
    CFloatField f15000{this, "15000"};
    CFloatField f20600{this, "20600"};
    CFloatField f20700{this, "20700"};
    CFloatField f21000{this, "21000"};
    CFloatField f22100{this, "22100"};
    CFloatField f22400{this, "22400"};
    CFloatField f22900{this, "22900"};
    CFloatField f23200{this, "23200"};
    CFloatField f23600{this, "23600"};
    CFloatField f24600{this, "24600"};
    CFloatField f25100{this, "25100"};
    CFloatField f25300{this, "25300"};
    CFloatField f26000{this, "26000"};
    CFloatField f30000{this, "30000"};
    CFloatField f30100{this, "30100"};
    CFloatField f30300{this, "30300"};
    CFloatField f30400{this, "30400"};
    CFloatField f30500{this, "30500"};
    CFloatField f31217{this, "31217"};
    CFloatField f31270{this, "31270"};
    CFloatField f31300{this, "31300"};
    CFloatField f31400{this, "31400"};
    CFloatField f32600{this, "32600"};
    CFloatField f32700{this, "32700"};
    CFloatField f33700{this, "33700"};
    CFloatField f33900{this, "33900"};
    CFloatField f35000{this, "35000"};
    CFloatField f42000{this, "42000"};
    CFloatField f42100{this, "42100"};
    CFloatField f42120{this, "42120"};
    CFloatField f42900{this, "42900"};
    CFloatField f43500{this, "43500"};
    CFloatField f43700{this, "43700"};
    CFloatField f43800{this, "43800"};
    CFloatField f44800{this, "44800"};
    CFloatField f45300{this, "45300"};
    CFloatField f45350{this, "45350"};
    CFloatField f48200{this, "48200"};
    CFloatField f48400{this, "48400"};
    CFloatField f48500{this, "48500"};

    // Residence and status in the tax year, read by the passes and the summary.
    // Days of the year before the bankruptcy date; 0 without a bankruptcy in the year.
    int GetBankruptDaysInTaxYear() const
    {
        if (!bankruptDate.IsValid() || bankruptDate.getYear() != kTaxYear)
            return 0;
        return int(QDate(kTaxYear, 1, 1).daysTo(bankruptDate.date()));
    }
    // A person who became resident after 1 January counts only the days from the entry.
    bool shouldProrateAsImmigrant() const
    {
        return entryDate.IsValid() && entryDate.date() > QDate(kTaxYear, 1, 1) &&
               entryDate.getYear() == kTaxYear;
    }
    bool IsEmmigrant() const
    {
        return departureDate.IsValid() && departureDate.getYear() == kTaxYear;
    }
    // A return of a deceased person is reported as such whatever the year of death.
    bool IsDeceasedForEfileReporting() const { return deathDate.IsValid(); }
    // The mailing address on one line ("care of, street, city, province"), without the postal
    // code. Mode 10 gives the street alone: the electronic return carries the care-of line,
    // the city and the province in elements of their own.
    CString GetFullAddressWithoutPostcode(int mode) const
    {
        if (mode == 10)
            return street.GetTrimedString();
        QStringList parts;
        for (const CString *text : {&careOf.value(), &street.value(), &city.value()}) {
            if (!text->trimmed().isEmpty())
                parts.append(text->trimmed());
        }
        if (!foreignAddress && !provinceText.value().trimmed().isEmpty())
            parts.append(provinceText.value().trimmed());
        return CString(parts.join(QStringLiteral(", ")));
    }

    // The age on the last day of the tax year, not by the clock; 0 without a birth date.
    int GetAge() const { return ageAt(birthDate); }
    static int ageAt(const CDateField &birth)
    {
        if (!birth.IsValid())
            return 0;
        const QDate yearEnd(kTaxYear, 12, 31);
        const QDate born = birth.date();
        int age = yearEnd.year() - born.year();
        if (born.month() > yearEnd.month() ||
            (born.month() == yearEnd.month() && born.day() > yearEnd.day()))
            --age;
        return age;
    }
    bool IsAgeNotUnder65() const { return GetAge() >= 65; }

    // Interview answers and last year's amounts the wizards exchange with the T1.
    // 0 is Yes, so a new return starts unanswered.
    CIntField foreignPropertyAnswer{this, "foreignPropertyAnswer", -1};
    CIntField principalResidenceAnswer{this, "principalResidenceAnswer"};
    CFloatField instalmentInterest{this, "instalmentInterest"};
    CFloatField politicalContributions{this, "politicalContributions"};
    CFloatField netCapitalLossCarryForward{this, "netCapitalLossCarryForward"};
    CFloatField nonCapitalLossCarryForward{this, "nonCapitalLossCarryForward"};
    CFloatField medSelfPremiums{this, "medSelfPremiums"};
    CFloatField medSelfTravel{this, "medSelfTravel"};
    CFloatField medSelfAttendant{this, "medSelfAttendant"};
    CFloatField medSelfOther{this, "medSelfOther"};
    CFloatField medSpousePremiums{this, "medSpousePremiums"};
    CFloatField medSpouseTravel{this, "medSpouseTravel"};
    CFloatField medSpouseAttendant{this, "medSpouseAttendant"};
    CFloatField medSpouseOther{this, "medSpouseOther"};
    CFloatField f33099{this, "33099"};

    // Roles of the income calculation (pass 1): slip totals, their components and the
    // self-employment and partnership amounts the lines are built from.
    CFloatField f12100{this, "12100"};
    CFloatField f13010{this, "13010"};
    CFloatField unionDuesSlips{this, "unionDuesSlips"};
    CFloatField f21300{this, "21300"};
    CFloatField incomeTaxDeducted{this, "incomeTaxDeducted"};
    CFloatField furtherTaxDeducted1{this, "furtherTaxDeducted1"};
    CFloatField furtherTaxDeducted2{this, "furtherTaxDeducted2"};
    CFloatField pensionAdjustment{this, "pensionAdjustment"};
    CFloatField t3FlaggedIncome{this, "t3FlaggedIncome"};
    CFloatField t3Box38Amount{this, "t3Box38Amount"};
    CFloatField housingBenefit{this, "housingBenefit"};
    CFloatField employmentCommissions{this, "employmentCommissions"};
    CFloatField t4AmountH{this, "t4AmountH"};
    CFloatField rppContributions{this, "rppContributions"};
    CFloatField t4Box85Amount{this, "t4Box85Amount"};
    CFloatField t4ExemptTotal{this, "t4ExemptTotal"};
    CFloatField t4ExemptF{this, "t4ExemptF"};
    CFloatField oasAmount{this, "oasAmount"};
    CFloatField oasBox20Amount{this, "oasBox20Amount"};
    CFloatField oasBox21Amount{this, "oasBox21Amount"};
    CFloatField eiBenefits{this, "eiBenefits"};
    CFloatField t4eBox7{this, "t4eBox7"};
    CFloatField t4eBox17{this, "t4eBox17"};
    CFloatField t4eBox33{this, "t4eBox33"};
    CFloatField t4eRepaymentBase{this, "t4eRepaymentBase"};
    CFloatField t4eBox21{this, "t4eBox21"};
    CFloatField t4eBox30{this, "t4eBox30"};
    CFloatField t4eAmountB{this, "t4eAmountB"};
    CFloatField t4eBox15Net{this, "t4eBox15Net"};
    CFloatField t4eExemptBenefits{this, "t4eExemptBenefits"};
    CFloatField rrifNegativeAmount{this, "rrifNegativeAmount"};
    CFloatField annuityTotal{this, "annuityTotal"};
    CFloatField annuityPension{this, "annuityPension"};
    CFloatField annuityOther{this, "annuityOther"};
    CFloatField rrspIncome{this, "rrspIncome"};
    CFloatField rrspNegativeAmount{this, "rrspNegativeAmount"};
    CFloatField cppBenefitMonths21{this, "cppBenefitMonths21"};
    CFloatField cppBenefitMonths23{this, "cppBenefitMonths23"};
    CFloatField cppExemptBenefits{this, "cppExemptBenefits"};
    CFloatField t4aPension{this, "t4aPension"};
    CFloatField t4aBox131{this, "t4aBox131"};
    CFloatField t4aAmountF{this, "t4aAmountF"};
    CFloatField t4aBox135{this, "t4aBox135"};
    CFloatField t4aBox201{this, "t4aBox201"};
    CFloatField t4aBox202{this, "t4aBox202"};
    CFloatField t4aBox203{this, "t4aBox203"};
    CFloatField t4aBox204{this, "t4aBox204"};
    CFloatField t4aAmountC{this, "t4aAmountC"};
    CFloatField fhsaIncome{this, "fhsaIncome"};
    CFloatField fhsaOtherIncome{this, "fhsaOtherIncome"};
    CFloatField t5007Ratio{this, "t5007Ratio"};
    CBoolField t5007Kind3{this, "t5007Kind3"};
    CFloatField t5006Amount{this, "t5006Amount"};
    CFloatField t5006Tax{this, "t5006Tax"};
    CFloatField t5013SlipBusiness{this, "t5013SlipBusiness"};
    CFloatField t5013FAmount{this, "t5013FAmount"};
    CFloatField t5013GAmount{this, "t5013GAmount"};
    CFloatField t5013WAmount{this, "t5013WAmount"};
    CFloatField t5003Total{this, "t5003Total"};
    CFloatField t5003Entered{this, "t5003Entered"};
    CFloatField lumpSumTotal{this, "lumpSumTotal"};
    CFloatField t4aATotal{this, "t4aATotal"};
    CFloatField flaggedTrustGains{this, "flaggedTrustGains"};
    CBoolField partnershipLoss{this, "partnershipLoss"};
    CFloatField partnershipGross{this, "partnershipGross"};
    CFloatField partnershipNet{this, "partnershipNet"};
    // The seven amounts of a T5013 form's entry blocks, summed.
    CTableField partnershipEntries{this,
                                   "partnershipEntries",
                                   1,
                                   {FieldType::Float, FieldType::Float, FieldType::Float,
                                    FieldType::Float, FieldType::Float, FieldType::Float,
                                    FieldType::Float}};
    CFloatField selfEmploymentExpenses{this, "selfEmploymentExpenses"};
    CFloatField selfEmploymentCca{this, "selfEmploymentCca"};
    CFloatField rentalExpenses{this, "rentalExpenses"};
    CFloatField rentalCca{this, "rentalCca"};
    CFloatField t1212Income{this, "t1212Income"};
    CFloatField t2043Income{this, "t2043Income"};
    CFloatField t1170Gain{this, "t1170Gain"};
    CFloatField mortgageForeclosure{this, "mortgageForeclosure"};
    CFloatField capitalGainsAdjustment{this, "capitalGainsAdjustment"};
    CFloatField foreignNonBusinessIncome{this, "foreignNonBusinessIncome"};
    CFloatField eligibleDividends{this, "eligibleDividends"};
    CFloatField slipCarryingCharges{this, "slipCarryingCharges"};
    CStringField calculationNote{this, "calculationNote"};
    CFloatField t1032Amount{this, "t1032Amount"};
    CFloatField f12905{this, "12905"};

    // Lines and roles of net income, taxable income, credits, tax and the balance (passes 2
    // to 6).
    CFloatField f20800{this, "20800"};
    CFloatField f21200{this, "21200"};
    CFloatField f21400{this, "21400"};
    CFloatField f21500{this, "21500"};
    CFloatField movingExpenses{this, "movingExpenses"};
    CFloatField employmentExpenses{this, "employmentExpenses"};
    CFloatField clergyDeduction{this, "clergyDeduction"};
    CFloatField f23400{this, "23400"};
    CFloatField f23500{this, "23500"};
    CFloatField f25000{this, "25000"};
    CFloatField f25400{this, "25400"};
    CFloatField f25500{this, "25500"};
    CFloatField f30800{this, "30800"};
    CFloatField f31200{this, "31200"};
    CFloatField f31205{this, "31205"};
    CFloatField f31260{this, "31260"};
    CFloatField f31600{this, "31600"};
    CFloatField f32300{this, "32300"};
    CFloatField f33200{this, "33200"};
    CFloatField f33500{this, "33500"};
    CFloatField f33800{this, "33800"};
    CFloatField f34900{this, "34900"};
    CFloatField f34990{this, "34990"};
    CFloatField f40400{this, "40400"};
    // The federal tax on split income (T1206), inside line 40400 as on the paper return; the
    // tax on taxable income alone is the part of 40400 before it.
    CFloatField f40424{this, "40424"};
    CFloatField taxOnTaxableIncome{this, "taxOnTaxableIncome"};
    CFloatField f40425{this, "40425"};
    CFloatField f41700{this, "41700"};
    // The advance payments of the Canada workers benefit (RC210 boxes 10 and 11): paid back
    // in the net federal tax, since line 45300 pays the whole year's benefit.
    CFloatField f41500{this, "41500"};
    CFloatField f42800{this, "42800"};
    CFloatField f44000{this, "44000"};
    CFloatField f45000{this, "45000"};
    CFloatField f47555{this, "47555"};
    CFloatField f47900{this, "47900"};
    CFloatField capitalGainsInclusion{this, "capitalGainsInclusion"};
    CBoolField qppFree{this, "qppFree"};
    CFloatField adjustedNetIncome{this, "adjustedNetIncome"};
    CFloatField foreignTaxTotal1{this, "foreignTaxTotal1"};
    CFloatField foreignTaxTotal2{this, "foreignTaxTotal2"};
    CFloatField foreignTaxTotal3{this, "foreignTaxTotal3"};
    CFloatField foreignTaxTotal4{this, "foreignTaxTotal4"};
    CFloatField territorialAmount1{this, "territorialAmount1"};
    CFloatField territorialAmount2{this, "territorialAmount2"};
    CFloatField minimumTaxIndicator{this, "minimumTaxIndicator"};
    CFloatField spouseTransferAmount{this, "spouseTransferAmount"};
    CFloatField basicFederalTaxCopy{this, "basicFederalTaxCopy"};
    // Deductions of the further forms of pass 2, each a role of its own so a typed line stays:
    // resource expenses (T1229, line 22400) and contributions to foreign plans (RC267, RC268,
    // RC269, line 20700); the cumulative net investment loss of the T936.
    CFloatField resourceDeduction{this, "resourceDeduction"};
    CFloatField foreignPlanDeduction{this, "foreignPlanDeduction"};
    CFloatField cumulativeInvestmentLoss{this, "cumulativeInvestmentLoss"};
    // The capital gains deduction of the T657 (line 25400).
    CFloatField capitalGainsDeduction{this, "capitalGainsDeduction"};
    // Amounts carried from earlier years and typed amounts that reach lines: the part of the
    // Home Buyers' Plan and Lifelong Learning Plan repayments not made (income on line
    // 12900), the non-capital losses claimed (25200), the medical expenses of other
    // dependants (33199), the volunteer firefighter and search and rescue amounts (typed,
    // 31220 and 31240), home accessibility expenses (31285), the political contributions
    // credit (41000), the multigenerational home renovation credit (45355) and the GST/HST
    // rebate (45700).
    CFloatField unrepaidPlanIncome{this, "unrepaidPlanIncome"};
    CFloatField f25200{this, "25200"};
    CFloatField f33199{this, "33199"};
    CFloatField f31220{this, "31220"};
    CFloatField f31240{this, "31240"};
    CFloatField f31285{this, "31285"};
    CFloatField f40900{this, "40900"};
    CFloatField f41000{this, "41000"};
    CFloatField f45355{this, "45355"};
    CFloatField f45700{this, "45700"};
    // The minimum tax carry-over of earlier years claimed (line 40427), the investment tax
    // credit (line 41200) and what the minimum tax adds to the regular federal tax (0 when it
    // does not apply).
    CFloatField f40427{this, "40427"};
    CFloatField f41200{this, "41200"};
    CFloatField minimumTaxAddition{this, "minimumTaxAddition"};
    // Federal tax (line 40600): the basic federal tax less the federal foreign tax credit.
    CFloatField f40600{this, "40600"};
    // The Canada caregiver amounts of Schedule 5: for an infirm spouse or eligible dependant
    // 18 or older (line 30425) and for other infirm dependants 18 or older (line 30450).
    CFloatField f30425{this, "30425"};
    CFloatField f30450{this, "30450"};
    // The security options deductions of the T4 slips (line 24900).
    CFloatField f24900{this, "24900"};
    STRUCT_TAX_STAIRS_JURISDICTION m_taxStairs;

    bool IsBankrupt() const { return IsPostBankrupt(); }
    bool IsAgeUnder18() const { return GetAge() < 18; }
    bool IsSpouseAgeNotUnder65() const { return GetSpouseAge() >= 65; }
    bool IsSpouseAgeNotUnder18() const { return GetSpouseAge() >= 18; }
    bool HasMaritalChange() const { return maritalChange != 0; }
    bool HasSelfEmploymentIncome() const;
    int GetBirthMonth() const { return birthDate.IsValid() ? birthDate.date().month() : 0; }
    // The spouse's net income for the spouse amount; with the deduction of the exchange.
    // The self-employment earnings for CPP (a) and QPP (b): the net incomes not in Quebec,
    // or in Quebec, of the person's province of self-employment.
    void getSelfEmploymentIncomeForCPP(double *cppEarnings, double *qppEarnings) const;
    // Net income before the social benefits repayment (line 23400) and after it (23600).
    void CalculateNetIncomeBeforeF23500();
    void CalculateNetIncomeAfterCCT(bool withLines);
    void CalculateTaxableIncome(bool withLines);
    // The age amount (Schedule 1 and Schedule 2) of a person of 65 or over.
    static double CalculateAgeAmount(bool age65OrOver, double netIncome, double days,
                                     double daysInYear, double maximum, double threshold,
                                     double rate);
    // The non-refundable credit amounts (30000 to 33500) and their credit (33800).
    void CalculateField338AndField410_414();
    // Total non-refundable credits (35000), with donations and the top-up credit.
    void CalculateField350();
    // Tax on taxable income; then line 40400, that tax with the federal tax on split income
    // (40424), and the dividend tax credit (40425).
    void CalculateFedTax1stStep();
    void CalculateField404();
    // Basic federal tax (42900).
    void CalculateField429AndNonResiSurTax();
    // Federal tax (40600) and the political contribution credit it allows (41000).
    void CalculateField406();
    // Net federal tax (41700): 40600 less the political and investment tax credits, with what
    // the minimum tax adds when it applies.
    void CalculateField417(bool minimumTaxApplies);
    // The federal political contribution tax credit (line 41000) on contributions of 40900.
    static double politicalContributionCredit(double contributions);
    // The disability supplement of a person under 18, added to the disability amount.
    double disabilitySupplement() const;
    // Net federal tax (42000): line 41700, at least the net tax on split income, with the
    // special taxes (41800).
    void CalculateFedTax();
    // Total payable (43500) and tax deducted (43700).
    void CalculateBeforeLine437(bool withLines);
    // Total credits (48200), the refund (48400) or the balance owing (48500).
    void CalculateBalance(bool withLines);
    // The federal thresholds the pension-split optimiser steps through.
    void GetIncomeThresholds(QList<double> &thresholds) const;

    // Total income (line 15000) from the lines and the roles pass 1 filled; with lines, the
    // income lines that are sums of roles are filled first.
    void CalculateTotalIncome(bool withLines);
    int GetSpouseAge() const { return ageAt(spouseBirthDate); }

    // A person without a spouse to claim keeps no amounts of one; the spouse's identification
    // stays, so a marital status changed by mistake loses nothing typed.
    void clearSpouseInfo()
    {
        for (CFloatField *amount :
             {&spouseNetIncome, &spouseTaxableIncome, &spouseNetIncomeDeduction, &spouseUccbAmount,
              &spouseUccbRepayment})
            *amount = 0.0;
    }
    // A person who died: the return is the final one.
    bool IsDeceased() const { return deathDate.IsValid(); }
    bool KnowDeceasedDate() const { return deathDate.IsValid(); }
    // The UCCB repayment of the worksheet: all of the repayment the slips report.
    void CalculateLine213ByWorkSheet() { f21300 = uccbRepayment.value(); }
    // Pension income that qualifies for the pension amount and the split: the pension part
    // of line 11500.
    double eligiblePensionIncome() const
    {
        return t4aPension + pension11500A + pension11500B + annuityPension;
    }

    // Identification and status queries of the return model.
    // First and last name, trimmed, joined by one blank (either may be missing).
    CString ConstructFullName() const
    {
        const CString first = firstName.GetTrimedString();
        const CString last = lastName.GetTrimedString();
        if (first.IsEmpty() || last.IsEmpty())
            return CString(first + last);
        return CString(first + ' ' + last);
    }
    // Married (0) or common-law (1).
    bool HasSpouse() const { return maritalStatus >= 0 && maritalStatus < 2; }
    // A spouse at the end of the year, or a marital status that changed during it.
    bool CanClaimSpouse() const { return HasSpouse() || maritalChange != 0; }
    bool IsWidowedInTaxYear() const { return maritalStatus == 2 && maritalChange != 0; }
    // The return for the part of the year after a bankruptcy in the tax year.
    bool IsPostBankrupt() const
    {
        return bankruptDate.IsValid() && bankruptDate.getYear() == kTaxYear;
    }
    // The credits were used up against the basic federal tax: some of that tax remains.
    bool IsNonRefTaxCreditAllUsed() const { return f42900 >= kAmountTolerance; }
    // The net self-employment incomes (lines 13500 to 14300) that are not losses, summed.
    double getSelfEmploymentIncomeWithoutLoss() const
    {
        double total = 0;
        for (double amount :
             {double(f13500), double(f13700), double(f13900), double(f14100), double(f14300)}) {
            if (amount >= kAmountTolerance)
                total += amount;
        }
        return total;
    }

    // Identification, residence and status as the electronic return reports them; the
    // choices are 0-based indexes of the answer given on the form.
    CBoolField autoFillFlag{this, "autoFillFlag"};
    CDateField autoFillDate{this, "autoFillDate"};
    CBoolField filedBefore{this, "filedBefore"};
    CIntField nameChanged{this, "nameChanged"};
    CDateField maritalChangeDate{this, "maritalChangeDate"};
    CBoolField selfEmployedDeadline{this, "selfEmployedDeadline"};
    CIntField currentResidenceProvince{this, "currentResidenceProvince"};
    CBoolField deemedResident{this, "deemedResident"};
    CDateField dateOfMove{this, "dateOfMove"};
    CIntField homeAddressSame{this, "homeAddressSame"};
    CIntField settlementLand{this, "settlementLand", 1};
    CStringField yukonFirstNation{this, "yukonFirstNation", 20};
    CIntField firstNationId{this, "firstNationId", 1};
    CIntField tlichoLand{this, "tlichoLand", 1};
    CIntField delineLand{this, "delineLand", 1};
    CIntField delineId{this, "delineId"};
    CIntField aboriginalLand{this, "aboriginalLand", 1};
    CIntField organDonor{this, "organDonor", 1};
    CBoolField deceasedBeneficiaryElection{this, "deceasedBeneficiaryElection"};
    CFloatField postBankruptNetIncome{this, "postBankruptNetIncome"};
    CFloatField postBankruptAdjustedNetIncome{this, "postBankruptAdjustedNetIncome"};
    // Inputs of the derived line records: the Schedule 8 triggers, flag and marker, the
    // working income benefit amounts behind 55320, the minimum-tax supports, the farming loss.
    CFloatField f22200{this, "22200"};
    CFloatField f31000{this, "31000"};
    CBoolField sch8Flag{this, "sch8Flag"};
    CIntField sch8Marker{this, "sch8Marker"};
    CFloatField cwbAmount{this, "cwbAmount"};
    CFloatField cwbDisabilitySupplement{this, "cwbDisabilitySupplement"};
    CBoolField cwbEligibleSpouseFlag{this, "cwbEligibleSpouseFlag"};
    CFloatField f55320{this, "55320"};
    CFloatField support67860{this, "67860"};
    CFloatField support67924{this, "67924"};
    CFloatField support67926{this, "67926"};
    CFloatField support67910{this, "67910"};
    CFloatField support67910b{this, "67910b"};
    CBoolField farmingLossFlag{this, "farmingLossFlag"};
    CFloatField f54950{this, "54950"};

    // Entered Canada in the tax year (the entry date of this year).
    bool IsImmigrant() const { return entryDate.IsValid() && entryDate.getYear() == kTaxYear; }
    // The organ-donor question is Ontario's (province 9) alone.
    bool isDonorInfoNeeded() const { return province == 9; }
    // The five deductions whose presence makes the minimum-tax supports count in full.
    double minimumTaxDeduction(int index) const
    {
        const CFloatField *amounts[] = {&f20700, &f21000, &f22400, &f23200, &f25300};
        return index >= 0 && index < 5 ? double(*amounts[index]) : 0.0;
    }

    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;

    // Values and queries the review checks read.
    CFloatField f52080{this, "52080"};
    CFloatField pensionCreditAmountP{this, "pensionCreditAmountP"};
    CFloatField pensionCreditAmountQ{this, "pensionCreditAmountQ"};
    CFloatField childBenefitU2{this, "childBenefitU2"};
    CFloatField taxExemptWorkingIncome{this, "taxExemptWorkingIncome"};
    CFloatField netFarmingAmount{this, "netFarmingAmount"};
    CFloatField oasPension{this, "oasPension"};
    CFloatField splitPensionAmount{this, "splitPensionAmount"};
    CIntField question4Answer{this, "question4Answer"};
    CBoolField preBankruptcyReturn{this, "preBankruptcyReturn"};
    CIntField separationUnder90Days{this, "separationUnder90Days"};
    // Field 31300 by adopted child, children 1 to 6.
    CFloatField adoptionChild1{this, "adoptionChild1"};
    CFloatField adoptionChild2{this, "adoptionChild2"};
    CFloatField adoptionChild3{this, "adoptionChild3"};
    CFloatField adoptionChild4{this, "adoptionChild4"};
    CFloatField adoptionChild5{this, "adoptionChild5"};
    CFloatField adoptionChild6{this, "adoptionChild6"};
    // What the spouses' sharing and the what-if plan move into this return, signed: interest
    // added to line 12100, capital gains added before the inclusion rate, an item of other
    // income (line 13000) and one of other deductions (line 23200).
    CFloatField interestSharing{this, "interestSharing"};
    CFloatField capitalGainsSharing{this, "capitalGainsSharing"};
    CFloatField incomeItem{this, "incomeItem"};
    CFloatField deductionItem{this, "deductionItem"};

    // Whole months of the year before the month of the bankruptcy.
    int GetBankruptMonthsInTaxYear() const
    {
        return IsPostBankrupt() ? bankruptDate.date().month() - 1 : 0;
    }
    bool canClaimSch2() const { return CanClaimSpouse() || maritalStatus == 2; }
    bool canClaimT1032() const { return HasSpouse() || separationUnder90Days != 0; }
    // Mode 0: a business, professional, commission, farming or fishing form; any other mode
    // counts rental forms too.
    bool HasSelfEmploymentIncome2(int mode) const
    {
        const int forms =
            businessCount + professionalCount + commissionCount + farmingCount + fishingCount;
        return forms + (mode == 0 ? 0 : int(rentalCount)) > 0;
    }
    // The net income the credits test; the province does not change it federally.
    double getNetIncForCredit(int province) const
    {
        Q_UNUSED(province);
        return f23600;
    }
    double getSpouseNetIncForSpouseCredit(bool withExcluded) const
    {
        return withExcluded ? spouseNetIncome + spouseExcludedIncome2 : double(spouseNetIncome);
    }
    // Child 1 to 6; 0 for any other.
    double adoptionAmount(int child) const
    {
        const CFloatField *const amounts[] = {&adoptionChild1, &adoptionChild2, &adoptionChild3,
                                              &adoptionChild4, &adoptionChild5, &adoptionChild6};
        return child >= 1 && child <= 6 ? amounts[child - 1]->value() : 0.0;
    }

    // Carried into the new year (TaxData_T1NewYear.cpp): without old data the person's
    // identification, address, banking and language stay; the amounts go.
    void convertToNewYear(bool keepData) override;
    // The spouse's mailing address into this T1 (the two live at one address).
    void SyncWithSpouseMailingAddr(const TaxData_T1New &spouse);

    static constexpr int kTaxYear = 2025;
};
