// The further form classes (filing, authorisation and credit forms).
#pragma once

#include "marrow/FederalRates2025.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/TemplateEngine.h"

#include <QDateTime>
#include <QtGlobal>

// Schedule 12: multigenerational home renovation.
class TaxData_Sch12_MultigHomeReno : public CTaxData_Form
{
public:
    TaxData_Sch12_MultigHomeReno() : CTaxData_Form(FormType::SCH12MHR) {}
    // Entered: the qualifying expenditures of the renovation. Result: the refundable credit
    // (line 45355), 15% of at most 50,000 (docs/TaxFigures2025.md).
    CFloatField qualifyingExpenditures{this, "qualifyingExpenditures"};
    CFloatField f45355{this, "45355"};
    void Calculate01();
};

// Schedule 15: FHSA contributions, transfers and activities.
class TaxData_Sch15 : public CTaxData_Form
{
public:
    TaxData_Sch15() : CTaxData_Form(FormType::SCH15) {}
    CFloatField fhsaBox18{this, "fhsaBox18"};
    CFloatField fhsaBox38{this, "fhsaBox38"};
    CFloatField fhsaBox32And34{this, "fhsaBox32And34"};
    CFloatField fhsaBox36{this, "fhsaBox36"};
    CFloatField fhsaBox20{this, "fhsaBox20"};
    CBoolField box68930{this, "68930"};
    // The FHSA deduction the schedule gives the T1.
    CFloatField f20805{this, "20805"};
    // The FHSA amounts the tax authority has on file, in the order it gives them.
    CFloatField fhsaVariableBPriorYear{this, "fhsaVariableBPriorYear"};
    CFloatField fhsaTransfersFromRrspPriorYear{this, "fhsaTransfersFromRrspPriorYear"};
    CFloatField fhsaDesignatedTransfersPriorYear{this, "fhsaDesignatedTransfersPriorYear"};
    CFloatField fhsaAnnualLimitPriorYear{this, "fhsaAnnualLimitPriorYear"};
    CFloatField fhsaDeductionPriorYear{this, "fhsaDeductionPriorYear"};
    CFloatField fhsaUnusedContributions{this, "fhsaUnusedContributions"};
    CFloatField fhsaCarryforwardCurrentYear{this, "fhsaCarryforwardCurrentYear"};
    CFloatField fhsaCarryforwardPriorYear{this, "fhsaCarryforwardPriorYear"};
    CFloatField fhsaVariableFPriorYear{this, "fhsaVariableFPriorYear"};
    CFloatField fhsaVariableHPriorYear{this, "fhsaVariableHPriorYear"};
    CFloatField fhsaContributions{this, "fhsaContributions"};
    CFloatField fhsaPriorWithdrawalContributions{this, "fhsaPriorWithdrawalContributions"};
};

// T185: pre-authorised debit agreement (filing form).
class TaxData_T185 : public CTaxData_Form
{
public:
    TaxData_T185() : CTaxData_Form(FormType::T185) {}
    CStringField businessName{this, "businessName"};
    CStringField efileNumber{this, "efileNumber", 10};
    CStringField efilePassword{this, "efilePassword", 20};
    CStringField softwareCode{this, "softwareCode", 20};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField street{this, "street"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
    CStringField confirmationNumber{this, "confirmationNumber", 30};
    CDateField debitDate{this, "debitDate"};
    CStringField message{this, "message", 0};
    CIntField ownSwitch{this, "ownSwitch"};
    CFloatField amount{this, "amount"};
};

// T1172: additional tax on accumulated income payments.
class TaxData_T1172New : public CTaxData_Form
{
public:
    TaxData_T1172New() : CTaxData_Form(FormType::T1172) {}
    CIntField province{this, "province"};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField address{this, "address"};
    CFloatField t4aBox40{this, "t4aBox40"};
    CFloatField f68270{this, "68270"};
    CFloatField f68280{this, "68280"};
    // Entered: whether Part A applies (the original subscriber, or the spouse of a deceased
    // one; -1 unanswered, 0 no, 1 yes), the RRSP, PRPP or SPP contributions deducted that
    // reduce the payments taxed (Part A) and the reductions used in earlier years.
    CIntField partA{this, "partA", -1};
    CFloatField contributionsDeducted{this, "contributionsDeducted"};
    CFloatField earlierReductions{this, "earlierReductions"};
    // Results: the payments (68270), the payments taxed after the reduction (68280), and the
    // tax of Part A, of Part B and of a resident of Quebec; additionalTax is the one that
    // applies.
    CFloatField partATax{this, "partATax"};
    CFloatField partBTax{this, "partBTax"};
    CFloatField quebecTax{this, "quebecTax"};
    CFloatField additionalTax{this, "additionalTax"};

    void Calculate01();
};

// T1212: investment tax credit carry-forward statement.
class TaxData_T1212New : public CTaxData_Form
{
public:
    TaxData_T1212New() : CTaxData_Form(FormType::T1212) {}
    CFloatField carryAmount{this, "carryAmount"};
    CFloatField f65210{this, "65210"};
    CFloatField f67910{this, "67910"};

    // The deferred amount to bring into income this year.
    void Calculate01() { f67910 = carryAmount.value(); }
    double getF67910() const { return f67910; }
};

// T2038(IND): investment tax credit.
class TaxData_T2038New : public CTaxData_Form
{
public:
    TaxData_T2038New() : CTaxData_Form(FormType::T2038) {}
    // Given by the T1229: the mineral exploration, critical mineral exploration and other
    // flow-through expenditures. The rate of the other qualifying expenditures is not in the
    // published figures used, so they earn no credit (docs/TaxFigures2025.md).
    CFloatField t1229MineralExploration{this, "t1229MineralExploration"};
    CFloatField t1229OtherQualifying{this, "t1229OtherQualifying"};
    CFloatField t1229CriticalMineral{this, "t1229CriticalMineral"};
    // Results: the credit earned this year (line C: 15% of the mineral exploration and 30% of
    // the critical mineral exploration expenditures), the federal tax it may reduce (the
    // basic federal tax less the foreign tax and political contribution credits, line D),
    // the credit claimed on line 41200 and the part left for other years.
    CFloatField creditEarned{this, "creditEarned"};
    CFloatField taxLimit{this, "taxLimit"};
    CFloatField creditClaimed{this, "creditClaimed"};
    CFloatField creditUnused{this, "creditUnused"};

    void CalculateToLineC();
    void CalculateToLineD(double basicFederalTax, double foreignTaxCredit, double politicalCredit);
    // Under the minimum tax the credit still reduces the regular tax the minimum amount is
    // compared with, so the claim is the same; the flag is kept for the form's own record.
    void CalculateToEnd(bool minimumTaxApplies);
    CBoolField minimumTaxApplies{this, "minimumTaxApplies"};
};

// T936: cumulative net investment loss.
class TaxData_T936New : public CTaxData_Form
{
public:
    TaxData_T936New() : CTaxData_Form(FormType::T936) {}
    CFloatField t3Box21{this, "t3Box21"};
    CFloatField t3Box30{this, "t3Box30"};
    CFloatField f68080{this, "68080"};
    CFloatField f68100{this, "68100"};
    CFloatField f68110{this, "68110"};
    CFloatField f68140{this, "68140"};
    CFloatField f68150{this, "68150"};

    // The year's investment expenses and income as pass 2 gives them: each loss as a
    // positive amount, the limited-partnership and half-gain amounts kept negative.
    CFloatField carryingCharges{this, "carryingCharges"};
    CFloatField rentalLoss{this, "rentalLoss"};
    CFloatField rentalIncome{this, "rentalIncome"};
    CFloatField investmentLoss{this, "investmentLoss"};
    CFloatField investmentIncome{this, "investmentIncome"};
    CFloatField partnershipLoss{this, "partnershipLoss"};
    CFloatField halfCapitalLoss{this, "halfCapitalLoss"};
    CFloatField interestIncome{this, "interestIncome"};
    CFloatField dividendIncome{this, "dividendIncome"};
    // Entered: the cumulative net investment loss at the end of last year.
    CFloatField priorYearsLoss{this, "priorYearsLoss"};
    // Results: the year's expenses, income, and the cumulative loss at the end of the year.
    CFloatField investmentExpensesTotal{this, "investmentExpensesTotal"};
    CFloatField investmentIncomeTotal{this, "investmentIncomeTotal"};
    CFloatField cumulativeLoss{this, "cumulativeLoss"};

    void Calculate01();
};

// T657: capital gains deduction.
class TaxData_T657New : public CTaxData_Form
{
public:
    TaxData_T657New() : CTaxData_Form(FormType::T657) {}
    // Given by pass 2: the gains on qualified property (Schedule 3 lines 10700 and 11000), the
    // year's net taxable capital gains (line 12700 less line 25300) and the cumulative net
    // investment loss (T936). Entered: the deductions claimed in earlier years.
    CFloatField qualifiedGains{this, "qualifiedGains"};
    CFloatField netTaxableGains{this, "netTaxableGains"};
    CFloatField cumulativeLoss{this, "cumulativeLoss"};
    CFloatField priorDeductions{this, "priorDeductions"};
    CFloatField deduction{this, "deduction"};

    // The least of the lifetime limit left, the year's net taxable gains and the taxable
    // qualified gains less the cumulative net investment loss. The allowable business
    // investment losses and the earlier years' limits are not tracked.
    void Calculate01();
};

// RC71: statement of discounting transaction.
class CTaxData_RC71 : public CTaxData_Form
{
public:
    CTaxData_RC71() : CTaxData_Form(FormType::RC71) {}
    CStringField esignRequestId{this, "esignRequestId", 80};
    CStringField businessName{this, "businessName"};
    CStringField discounterCode{this, "discounterCode", 10};
    CStringField businessAddress{this, "businessAddress", 200};
    CStringField businessPhone{this, "businessPhone", 20};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField address{this, "address"};
    CStringField fullName{this, "fullName"};
    CStringField phone{this, "phone", 20};
    CFloatField refund{this, "refund"};
    // Electronic signature: set once signed, with the signature time ("yyyy-MM-ddThh:mm:ss").
    CBoolField esigned{this, "esigned"};
    CStringField signTimestamp{this, "signTimestamp", 30};

    bool isSignedElectronically() const { return esigned; }
    QDateTime signedAt() const { return QDateTime::fromString(signTimestamp, Qt::ISODate); }
};

// T5004: claim for tax shelter loss or deduction.
class TaxData_T5004 : public CTaxData_Form
{
public:
    TaxData_T5004() : CTaxData_Form(FormType::T5004) {}
    CStringField address{this, "address"};
    CStringField fullName{this, "fullName"};
    CFloatField f6765{this, "6765"};
    // Entered: each tax shelter's identification number and the loss or deduction claimed for
    // it. Result: the total claimed (6765).
    static constexpr int kShelters = 10;
    CTableField shelters{this, "shelters", kShelters, {FieldType::String, FieldType::Float}};
    void Calculate01();
};

// T183: authorisation to file electronically.
class TaxData_T183New : public CTaxData_Form
{
public:
    TaxData_T183New() : CTaxData_Form(FormType::T183) {}
    CStringField businessName{this, "businessName"};
    CStringField efileNumber{this, "efileNumber", 10};
    CStringField efilePassword{this, "efilePassword", 20};
    CStringField softwareCode{this, "softwareCode", 20};
    CStringField esignRequestId{this, "esignRequestId", 80};
    CDateField signDate{this, "signDate"};
    CBoolField reFile{this, "reFile"};
    CStringField email{this, "email", 80};
    CIntField preAssessment{this, "preAssessment", -1};
    CIntField postAssessment{this, "postAssessment", -1};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField street{this, "street"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
    CFloatField totalIncome{this, "totalIncome"};
    CFloatField taxableIncome{this, "taxableIncome"};
    CFloatField amount{this, "amount"};
    CFloatField refund{this, "refund"};
    CFloatField balanceDue{this, "balanceDue"};
    CBoolField directDeposit{this, "directDeposit"};

    bool hasSignDate() const { return signDate.IsValid(); }

    // The preparer's representation and the return's document control number.
    CIntField preparerAuthorisation{this, "preparerAuthorisation"};
    CDateField authorisationExpiry{this, "authorisationExpiry"};
    CStringField documentControlNumber{this, "documentControlNumber", 20};
    // Electronic signature: set once signed, with the signature time ("yyyy-MM-ddThh:mm:ss").
    CBoolField esigned{this, "esigned"};
    CStringField signTimestamp{this, "signTimestamp", 30};

    CString getDCN() const { return documentControlNumber.value(); }
    bool isSignedElectronically() const { return esigned; }
    QDateTime signedAt() const { return QDateTime::fromString(signTimestamp, Qt::ISODate); }
};

// T1135: foreign income verification statement.
class TaxData_T1135New : public CTaxData_Form
{
public:
    TaxData_T1135New() : CTaxData_Form(FormType::T1135) {}
    CIntField filingStatus{this, "filingStatus"};
    CStringField filingTime{this, "filingTime", 30};
    CStringField confirmation{this, "confirmation", 80};
    CBoolField amended{this, "amended"};
    CStringField givenName{this, "givenName"};
    CStringField secondName{this, "secondName"};
    CStringField lastName{this, "lastName"};
    CStringField name{this, "name"};
    CStringField sin{this, "sin", 11};
    CStringField street{this, "street"};
    CStringField city{this, "city"};
    CIntField province{this, "province"};
    CStringField postalCode{this, "postalCode", 10};
    CStringField phone{this, "phone", 20};
    CStringField countryCode{this, "countryCode", 3};
    CDateField periodFrom{this, "periodFrom"};
    CIntField formInt{this, "formInt"};
    CIntField overwriteStatus{this, "overwriteStatus"};

    // The statement's own data (TaxData_T1135New.cpp): the taxation year's end, the
    // identification the form asks beyond the T1's, the certification and the preparer.
    CDateField periodTo{this, "periodTo"};
    CStringField functionalCurrency{this, "functionalCurrency", 3};
    CBoolField selfEmployed{this, "selfEmployed"};
    CStringField certifierFirstName{this, "certifierFirstName"};
    CStringField certifierLastName{this, "certifierLastName"};
    CStringField certifierPosition{this, "certifierPosition"};
    CStringField certifierPhone{this, "certifierPhone", 20};
    CDateField certificationDate{this, "certificationDate"};
    CStringField preparerName{this, "preparerName"};
    CStringField preparerAddress{this, "preparerAddress", 200};
    CStringField preparerPostalCode{this, "preparerPostalCode", 10};
    CStringField preparerPhone{this, "preparerPhone", 20};

    // The seven categories of specified foreign property, one table each, one property a row.
    enum Category
    {
        FundsOutsideCanada,
        SharesOfNonResidentCorporations,
        IndebtednessOwedByNonResidents,
        InterestsInNonResidentTrusts,
        RealPropertyOutsideCanada,
        OtherPropertyOutsideCanada,
        PropertyWithCanadianDealer,
        CategoryCount
    };
    // The columns every category's rows share; a category leaves out what its part of the
    // form does not ask (see TaxData_T1135New.cpp).
    enum PropertyColumn
    {
        ColDescription, // name of the institution, corporation or trust, or the description
        ColCountry,     // country code
        ColMaximumCost, // maximum cost (funds, fair market value with a dealer) in the year
        ColYearEndCost, // cost (funds, fair market value) at the end of the year
        ColIncome,      // income (loss)
        ColCapital,     // capital received (trusts)
        ColGainLoss,    // gain (loss) on disposition
        PropertyColumnCount
    };
    static constexpr int kPropertyRows = 10;
    CTableField fundsOutsideCanada{this,
                                   "fundsOutsideCanada",
                                   kPropertyRows,
                                   {FieldType::String, FieldType::String, FieldType::Float,
                                    FieldType::Float, FieldType::Float, FieldType::Float,
                                    FieldType::Float}};
    CTableField sharesOfNonResidentCorporations{
        this,
        "sharesOfNonResidentCorporations",
        kPropertyRows,
        {FieldType::String, FieldType::String, FieldType::Float, FieldType::Float, FieldType::Float,
         FieldType::Float, FieldType::Float}};
    CTableField indebtednessOwedByNonResidents{
        this,
        "indebtednessOwedByNonResidents",
        kPropertyRows,
        {FieldType::String, FieldType::String, FieldType::Float, FieldType::Float, FieldType::Float,
         FieldType::Float, FieldType::Float}};
    CTableField interestsInNonResidentTrusts{this,
                                             "interestsInNonResidentTrusts",
                                             kPropertyRows,
                                             {FieldType::String, FieldType::String,
                                              FieldType::Float, FieldType::Float, FieldType::Float,
                                              FieldType::Float, FieldType::Float}};
    CTableField realPropertyOutsideCanada{this,
                                          "realPropertyOutsideCanada",
                                          kPropertyRows,
                                          {FieldType::String, FieldType::String, FieldType::Float,
                                           FieldType::Float, FieldType::Float, FieldType::Float,
                                           FieldType::Float}};
    CTableField otherPropertyOutsideCanada{this,
                                           "otherPropertyOutsideCanada",
                                           kPropertyRows,
                                           {FieldType::String, FieldType::String, FieldType::Float,
                                            FieldType::Float, FieldType::Float, FieldType::Float,
                                            FieldType::Float}};
    CTableField propertyWithCanadianDealer{this,
                                           "propertyWithCanadianDealer",
                                           kPropertyRows,
                                           {FieldType::String, FieldType::String, FieldType::Float,
                                            FieldType::Float, FieldType::Float, FieldType::Float,
                                            FieldType::Float}};

    CTableField &category(Category which);
    const CTableField &category(Category which) const;
    // A row counts when its description or any of its amounts is filled.
    static bool isPropertyRowUsed(const CTableField &table, int row);

    // Parts 2 and 3 of the statement filled from the templates the map holds under
    // "t1135part2" and "t1135part3", with the foreign-property elements between them,
    // appended to content. 0, or 1 when a template is missing from the map.
    int getT1135XMLContent(CString &content, TemplateValues &values);
    // Names the missing identification and certification data, one message each.
    bool validate(int edition, QStringList &messages) override;
};

// T746: deduction for repayments of RRSP excess contributions.
class TaxData_T746New : public CTaxData_Form
{
public:
    TaxData_T746New() : CTaxData_Form(FormType::T746) {}
    // Entered: the refund of unused RRSP contributions included in income this year, and the
    // unused contributions it refunds.
    CFloatField refundIncluded{this, "refundIncluded"};
    CFloatField unusedContributions{this, "unusedContributions"};
    CFloatField deduction{this, "deduction"};

    // The refund is deducted up to the unused contributions it gave back.
    void Calculate01()
    {
        deduction = qBound(0.0, refundIncluded.value(), qMax(0.0, unusedContributions.value()));
    }
};

// T1-ADJ: adjustment request.
class CTaxData_T1ADJ : public CTaxData_Form
{
public:
    CTaxData_T1ADJ() : CTaxData_Form(FormType::T1ADJ) {}
    CDateField requestDate{this, "requestDate"};
    CStringField efileNumber{this, "efileNumber", 10};
    CStringField yearText{this, "yearText", 4};
    CStringField name{this, "name"};
    CStringField sin{this, "sin", 11};
};

// T1013: authorising a representative.
class TaxData_T1013New : public CTaxData_Form
{
public:
    TaxData_T1013New() : CTaxData_Form(FormType::T1013) {}
    CIntField filingStatus{this, "filingStatus"};
    CStringField filingTime{this, "filingTime", 30};
    CStringField confirmation{this, "confirmation", 80};
    CStringField errorText{this, "errorText", 0};
    CDateField formDate{this, "formDate"};
    CDateField signDate{this, "signDate"};
    CStringField softwareCode{this, "softwareCode", 20};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField phone{this, "phone", 20};

    bool hasSignDate() const { return signDate.IsValid(); }
    // Keeps only the digits of the S.I.N. and the telephone, as the filing record takes them.
    void calculate() override;
};

// T2205: amounts from a spousal plan to include in income.
class CTaxData_T2205 : public CTaxData_Form
{
public:
    CTaxData_T2205() : CTaxData_Form(FormType::T2205) {}
    CStringField spouseName{this, "spouseName"};
    CStringField yearText{this, "yearText", 4};
    CStringField fullName{this, "fullName"};
    CStringField sin{this, "sin", 11};
    CStringField spouseSin{this, "spouseSin", 11};
    CFloatField amountToInclude{this, "amountToInclude"};
    CFloatField pensionPortion{this, "pensionPortion"};
    CFloatField flaggedWithdrawals{this, "flaggedWithdrawals"};
    // Entered: the contributor's spousal-plan contributions of the year and the two before.
    CFloatField contributions3Years{this, "contributions3Years"};
    CFloatField annuityPayments{this, "annuityPayments"};

    // The contributor includes the withdrawals up to the contributions of the three years;
    // the part that came as annuity payments is pension income.
    void Calculate01()
    {
        amountToInclude = qMax(0.0, qMin(flaggedWithdrawals.value(), contributions3Years.value()));
        pensionPortion = qMax(0.0, qMin(annuityPayments.value(), amountToInclude.value()));
    }
};

// T777S: temporary flat rate home office expenses.
class TaxData_T777Covid19 : public CTaxData_Form
{
public:
    TaxData_T777Covid19() : CTaxData_Form(FormType::T777S) {}
};

// RC59: business consent.
class TaxData_RC59_e : public CTaxData_Form
{
public:
    TaxData_RC59_e() : CTaxData_Form(FormType::RC59) {}
};

// RC59X: cancel business consent.
class TaxData_RC59X_e : public CTaxData_Form
{
public:
    TaxData_RC59X_e() : CTaxData_Form(FormType::RC59X) {}
};

// T1044: non-profit organisation information return.
class TaxData_T1044 : public CTaxData_Form
{
public:
    TaxData_T1044() : CTaxData_Form(FormType::T1044) {}
};

// T2043: return of fuel charge proceeds to farmers.
class TaxData_T2043 : public CTaxData_Form
{
public:
    TaxData_T2043() : CTaxData_Form(FormType::T2043) {}
    CFloatField result{this, "result"};
    // Entered: the fuel charge proceeds received in the year.
    CFloatField proceeds{this, "proceeds"};

    // The proceeds are income as received.
    void Calculate01() { result = proceeds.value(); }
};

// T2039: air quality improvement tax credit.
class TaxData_T2039 : public CTaxData_Form
{
public:
    TaxData_T2039() : CTaxData_Form(FormType::T2039) {}
};

// T1248 Schedule D: residency information.
class TaxData_T1248SchD : public CTaxData_Form
{
public:
    TaxData_T1248SchD() : CTaxData_Form(FormType::T1248SCHD) {}
    // The residency answer: 1 factual resident, 2 deemed resident, 0 not answered.
    CIntField residencyStatus{this, "residencyStatus"};

    bool isFactualResident() const { return residencyStatus == 1; }
    // Deemed residents file on paper; a factual resident, or no answer yet, may file online.
    bool isEligibleForNetFile() const { return residencyStatus != 2; }
    // The schedule against the T1's factual-resident answer; 1 with the text written when they
    // disagree or no residency type is chosen, else 0.
    int ValidateWithT1(int edition, CString &text, bool factualResident, int t1Flag, bool immigrant,
                       bool emigrant) const;
};

// Instalment calculator.
class TaxData_InstalmentCalc : public CTaxData_Form
{
public:
    TaxData_InstalmentCalc() : CTaxData_Form(FormType::INSTCALC) {}
    CFloatField provincialAmount1{this, "provincialAmount1"};
    CFloatField provincialAmount2{this, "provincialAmount2"};
    CFloatField netTaxOwing{this, "netTaxOwing"};
    CFloatField quarterly{this, "quarterly"};

    // The instalments on this year's figures: the net tax owing of the instalment chart (net
    // federal tax, social benefits repayment and provincial tax, less the tax deducted and the
    // refundable credits), in four equal parts when it is above the threshold. The provincial
    // tax is the plug-in's (amount 1), less its refundable credits (amount 2). The earlier
    // years' net tax owing, the other half of the test, is not held by the return.
    template <typename T1, typename Summary> void Calculate(const T1 &t1, Summary &summary)
    {
        const double payable = t1.f42000 + t1.f42200 + provincialAmount1;
        const double credits = t1.f43700 + t1.f44000 + t1.f45300 + t1.f45350 + t1.f45355 +
                               t1.f47555 + provincialAmount2;
        netTaxOwing = qMax(0.0, qRound64((payable - credits) * 100.0) / 100.0);
        const double threshold = t1.getMainTaxProvince() == ProvinceCode::QC
                                     ? FederalRates2025::kInstalmentThresholdQuebec
                                     : FederalRates2025::kInstalmentThreshold;
        quarterly = netTaxOwing > threshold ? qRound64(netTaxOwing * 100.0 / 4.0) / 100.0 : 0.0;
        for (CFloatField *instalment : {&summary.instalmentMarch, &summary.instalmentJune,
                                        &summary.instalmentSeptember, &summary.instalmentDecember})
            *instalment = quarterly.value();
    }
};

// T2048: Canadian journalism labour tax credit.
class TaxData_T2048 : public CTaxData_Form
{
public:
    TaxData_T2048() : CTaxData_Form(FormType::T2048) {}
};

// T1198: statement of qualifying retroactive lump-sum payment.
class TaxData_T1198 : public CTaxData_Form
{
public:
    TaxData_T1198() : CTaxData_Form(FormType::T1198) {}
    CStringField name{this, "name"};
    CStringField sin{this, "sin", 11};
    // The payment's portions by the year they relate to (year, amount); the total is their sum.
    CTableField portions{this, "portions", 10, {FieldType::Int, FieldType::Float}};
    CFloatField totalPortions{this, "totalPortions"};

    // The simplest faithful calculation: the total of the portions entered.
    void Calculate01();
};
