// TaxData_T1New: the T1 General, the person's main form.
#pragma once

#include "marrow/FormFields.h"
#include "ordane/AmountTolerance.h"

#include <QStringList>

// T1 General: identification, the lines of the return, the dependants' medical rows.
class TaxData_T1New : public CTaxData_Form
{
public:
    TaxData_T1New() : CTaxData_Form(1) {}
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
    // code; every mode gives the same line.
    CString GetFullAddressWithoutPostcode(int mode) const
    {
        Q_UNUSED(mode);
        QStringList parts;
        for (const CString *text : {&careOf.value(), &street.value(), &city.value()}) {
            if (!text->trimmed().isEmpty())
                parts.append(text->trimmed());
        }
        if (!foreignAddress && !provinceText.value().trimmed().isEmpty())
            parts.append(provinceText.value().trimmed());
        return CString(parts.join(QStringLiteral(", ")));
    }

    // The spouse's mailing address: every address field of the other T1.
    void SyncWithSpouseMailingAddr(const TaxData_T1New &spouse)
    {
        for (const char *name : {"careOf", "street", "city", "mailingProvince", "provinceText",
                                 "postalCode", "foreignAddress", "country", "state"})
            copyFieldFrom(spouse, name);
    }

    // The age on the last day of the tax year, not by the clock; 0 without a birth date.
    int GetAge() const
    {
        if (!birthDate.IsValid())
            return 0;
        const QDate yearEnd(kTaxYear, 12, 31);
        const QDate born = birthDate.date();
        int age = yearEnd.year() - born.year();
        if (born.month() > yearEnd.month() ||
            (born.month() == yearEnd.month() && born.day() > yearEnd.day()))
            --age;
        return age;
    }
    bool IsAgeNotUnder65() const { return GetAge() >= 65; }

    // Interview answers and last year's amounts the wizards exchange with the T1.
    CIntField foreignPropertyAnswer{this, "foreignPropertyAnswer"};
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

    static constexpr int kTaxYear = 2025;
};
