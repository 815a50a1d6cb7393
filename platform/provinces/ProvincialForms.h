// The forms a province plug-in makes: its schedules and the provincial tax forms.
#pragma once

#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"

// A provincial form without values of its own beyond the common block.
class TaxData_ProvincialForm : public CTaxData_Form
{
public:
    explicit TaxData_ProvincialForm(int code) : CTaxData_Form(code) {}
};

// Provincial Schedule 2: amounts transferred from the spouse.
class TaxData_ProvSpouseTransfer : public CTaxData_Form
{
public:
    explicit TaxData_ProvSpouseTransfer(int code) : CTaxData_Form(code) {}

    CFloatField spouseNetIncome{this, "spouseNetIncome"};
    CFloatField transferredAmount{this, "transferredAmount"};
};

// Provincial Schedule 11: tuition and education amounts with their carry-forward.
class TaxData_ProvTuition : public CTaxData_Form
{
public:
    explicit TaxData_ProvTuition(int code) : CTaxData_Form(code) {}

    CFloatField carryForward{this, "carryForward"}; // unused amount from earlier years
    CFloatField currentTuition{this, "currentTuition"};
    CFloatField claimed{this, "claimed"};
    CFloatField transferred{this, "transferred"};
};

// ON479-A: Ontario's childcare credit, which goes with the T778.
class TaxData_ON479A : public CTaxData_Form
{
public:
    TaxData_ON479A() : CTaxData_Form(FormType::ON479A) {}

    CFloatField childCareExpenses{this, "childCareExpenses"};
    CFloatField credit{this, "credit"};
};

// Saskatchewan's dependent child amount.
class TaxData_SKDependentChild : public CTaxData_Form
{
public:
    TaxData_SKDependentChild() : CTaxData_Form(FormType::SK_DEPCHILD) {}

    CIntField children{this, "children"};
};

// Quebec's own return.
class TaxData_QCTP1 : public CTaxData_Form
{
public:
    TaxData_QCTP1() : CTaxData_Form(FormType::QC_TP1) {}

    CFloatField netIncome{this, "netIncome"};
    CFloatField incomeTax{this, "incomeTax"};
};

// Ontario's own interview (wizard-data type 6): the answers its Trillium benefit reads, the
// rent and property tax paid for a principal residence in Ontario, a long-term care home's
// accommodation cost, whether the residence was a designated student residence and whether
// the person lived in northern Ontario.
class TaxData_ONWizard : public CTaxData_Form
{
public:
    TaxData_ONWizard() : CTaxData_Form(WizardType::Provincial, KindWizard) {}

    CFloatField rentPaid{this, "rentPaid"};
    CFloatField propertyTaxPaid{this, "propertyTaxPaid"};
    CFloatField longTermCareAmount{this, "longTermCareAmount"};
    CIntField studentResidence{this, "studentResidence"};
    CIntField northernOntario{this, "northernOntario"};
};

// The provincial tax form (the province's 428): the steps of the provincial tax as the
// calculation last worked them out.
class TaxData_Prov428 : public CTaxData_Form
{
public:
    TaxData_Prov428() : CTaxData_Form(FormType::PROV428) {}
    // Every line is the calculation's.
    bool isCalculatedField(const CField &) const override { return true; }

    CFloatField taxableIncome{this, "taxableIncome"};
    CFloatField provincialTax{this, "provincialTax"};
    CFloatField basicTax{this, "basicTax"};
    CFloatField creditAmounts{this, "creditAmounts"};
    CFloatField credits{this, "credits"};
    CFloatField surtax{this, "surtax"};
    CFloatField dividendCredit{this, "dividendCredit"};
    CFloatField taxReduction{this, "taxReduction"};
    CFloatField lowIncomeCredit{this, "lowIncomeCredit"};
    CFloatField healthPremium{this, "healthPremium"};
};
