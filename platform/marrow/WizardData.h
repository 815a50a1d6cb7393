// The interview data objects (wizard-data types 1 to 5).
#pragma once

#include "marrow/FormFields.h"

// Interview: general questions (wizard-data type 1).
class TaxData_Wizard_General : public CTaxData_Form
{
public:
    TaxData_Wizard_General() : CTaxData_Form(1, KindWizard) {}
};

// Interview: last year's amounts (type 2).
class TaxData_LastYearAmounts : public CTaxData_Form
{
public:
    TaxData_LastYearAmounts() : CTaxData_Form(2, KindWizard) {}
};

// Interview: dependants (type 3).
class CWizData_Dependant : public CTaxData_Form
{
public:
    CWizData_Dependant() : CTaxData_Form(3, KindWizard) {}
};

// Interview: medical expenses (type 4).
class CWizData_MedExp : public CTaxData_Form
{
public:
    CWizData_MedExp() : CTaxData_Form(4, KindWizard) {}
};

// Interview: RRSP contributions (type 5).
class TaxData_RRSPContrib : public CTaxData_Form
{
public:
    TaxData_RRSPContrib() : CTaxData_Form(5, KindWizard) {}
};
