// The interview data objects (wizard-data types 1 to 5).
#pragma once

#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"

// Interview: general questions (wizard-data type 1).
class TaxData_Wizard_General : public CTaxData_Form
{
public:
    TaxData_Wizard_General() : CTaxData_Form(WizardType::General, KindWizard) {}
    CIntField language{this, "language"};
    CIntField citizen{this, "citizen"};
    CIntField elecanauth{this, "elecanauth"};
    CFloatField taxInstalmentsPaid{this, "taxInstalmentsPaid"};
    CFloatField donations{this, "donations"};
    CFloatField otherGifts{this, "otherGifts"};
    // The further questions: two more answers among the five the T1 takes first, the interest
    // on late instalments, and after the donations the political contributions and two answers.
    CIntField statusInt1{this, "statusInt1"};
    CIntField statusInt2{this, "statusInt2"};
    CFloatField instalmentInterest{this, "instalmentInterest"};
    CFloatField politicalContributions{this, "politicalContributions"};
    // 0 is Yes, so a new interview starts unanswered.
    CIntField foreignPropertyAnswer{this, "foreignPropertyAnswer", -1};
    CIntField principalResidenceAnswer{this, "principalResidenceAnswer"};
};

// Interview: last year's amounts (type 2).
class TaxData_LastYearAmounts : public CTaxData_Form
{
public:
    TaxData_LastYearAmounts() : CTaxData_Form(WizardType::LastYear, KindWizard) {}
    CFloatField rrspDeductionLimit{this, "rrspDeductionLimit"};
    CFloatField unusedRrspContributions{this, "unusedRrspContributions"};
    CFloatField hbpRepaymentRequired{this, "hbpRepaymentRequired"};
    CFloatField llpRepaymentRequired{this, "llpRepaymentRequired"};
    CFloatField fedTuitionCarryForward{this, "fedTuitionCarryForward"};
    CFloatField provTuitionCarryForward{this, "provTuitionCarryForward"};
    CFloatField t1212CarryForward{this, "t1212CarryForward"};
    CFloatField netCapitalLossCarryForward{this, "netCapitalLossCarryForward"};
    CFloatField nonCapitalLossCarryForward{this, "nonCapitalLossCarryForward"};
};

// Interview: dependants (type 3).
class CWizData_Dependant : public CTaxData_Form
{
public:
    CWizData_Dependant() : CTaxData_Form(WizardType::Dependants, KindWizard) {}
    // Columns: first name, last name, birth date, int, amount, second int, two texts, and the
    // record's second amount kept as an int.
    CTableField dependants{this,
                           "dependants",
                           12,
                           {FieldType::String, FieldType::String, FieldType::Date, FieldType::Int,
                            FieldType::Float, FieldType::Int, FieldType::String, FieldType::String,
                            FieldType::Int}};
};

// Interview: medical expenses (type 4).
class CWizData_MedExp : public CTaxData_Form
{
public:
    CWizData_MedExp() : CTaxData_Form(WizardType::Medical, KindWizard) {}
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CDateField birthDate{this, "birthDate"};
    CStringField spouseFirstName{this, "spouseFirstName"};
    CStringField spouseLastName{this, "spouseLastName"};
    CDateField spouseBirthDate{this, "spouseBirthDate"};
    // The person's six values, the spouse's five, the allowable amount only the T1 fills and
    // the reimbursed amount the copy from the forms sets to 0.
    CFloatField medSelfAmount{this, "medSelfAmount"};
    CIntField medSelfMonths{this, "medSelfMonths"};
    CFloatField medSelfPremiums{this, "medSelfPremiums"};
    CFloatField medSelfTravel{this, "medSelfTravel"};
    CFloatField medSelfAttendant{this, "medSelfAttendant"};
    CFloatField medSelfOther{this, "medSelfOther"};
    CFloatField medSpouseAmount{this, "medSpouseAmount"};
    CFloatField medSpousePremiums{this, "medSpousePremiums"};
    CFloatField medSpouseTravel{this, "medSpouseTravel"};
    CFloatField medSpouseAttendant{this, "medSpouseAttendant"};
    CFloatField medSpouseOther{this, "medSpouseOther"};
    CFloatField allowableAmount{this, "allowableAmount"};
    CFloatField reimbursedAmount{this, "reimbursedAmount"};
    // Columns: first name, last name, birth date, the record's int, then the five medical amounts.
    CTableField dependantMedical{this,
                                 "dependantMedical",
                                 12,
                                 {FieldType::String, FieldType::String, FieldType::Date,
                                  FieldType::Int, FieldType::Float, FieldType::Float,
                                  FieldType::Float, FieldType::Float, FieldType::Float}};
};

// Interview: RRSP contributions (type 5).
class TaxData_RRSPContrib : public CTaxData_Form
{
public:
    TaxData_RRSPContrib() : CTaxData_Form(WizardType::Rrsp, KindWizard) {}
    CFloatField rrspDeductionLimit{this, "rrspDeductionLimit"};
    CFloatField unusedRrspContributions{this, "unusedRrspContributions"};
    CFloatField contribMarToDec{this, "contribMarToDec"};
    CFloatField contribJanToMar{this, "contribJanToMar"};
    CFloatField spouseContribMarToDec{this, "spouseContribMarToDec"};
    CFloatField spouseContribJanToMar{this, "spouseContribJanToMar"};
};
