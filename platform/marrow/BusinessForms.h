// Self-employment, rental and partnership forms, and the principal residence form.
#pragma once

#include "marrow/FormFields.h"
#include "marrow/CSharableTaxData_Form.h"

// T776: rental income.
class TaxData_T776New : public CSharableTaxData_Form
{
public:
    TaxData_T776New() : CSharableTaxData_Form(12) {}
};

// T1163: AgriStability and AgriInvest, individuals.
class TaxData_T1163New : public CSharableTaxData_Form
{
public:
    TaxData_T1163New() : CSharableTaxData_Form(15) {}
};

// T2042: farming income.
class TaxData_T2042New : public CSharableTaxData_Form
{
public:
    TaxData_T2042New() : CSharableTaxData_Form(21) {}
};

// T2121: fishing income.
class TaxData_T2121New : public CSharableTaxData_Form
{
public:
    TaxData_T2121New() : CSharableTaxData_Form(51) {}
};

// T2125: business or professional income; made for code 125 or 131.
class TaxData_T2125_New : public CSharableTaxData_Form
{
public:
    explicit TaxData_T2125_New(int code) : CSharableTaxData_Form(code) {}
};

// T2091(IND): principal residence; made for code 147 or 160.
class TaxData_T2091 : public CTaxData_Form
{
public:
    explicit TaxData_T2091(int code) : CTaxData_Form(code) {}
};

// T5013 partnership income entered as a form.
class CTaxData_T5013 : public CTaxData_Form
{
public:
    CTaxData_T5013() : CTaxData_Form(38) {}
};
