// The other federal forms of the form library: field-holder classes.
#pragma once

#include "marrow/FormFields.h"

// A form code no longer in use: the object only carries its code.
class TaxData_UnusedForm : public CTaxData_Form
{
public:
    explicit TaxData_UnusedForm(int code) : CTaxData_Form(code) {}
};

// T778: child care expenses.
class TaxData_T778New : public CTaxData_Form
{
public:
    TaxData_T778New() : CTaxData_Form(13) {}
};

// T929: disability supports deduction.
class TaxData_T929New : public CTaxData_Form
{
public:
    TaxData_T929New() : CTaxData_Form(14) {}
};

// T2204: employee overpayment of CPP contributions and EI premiums.
class TaxData_T2204_New : public CTaxData_Form
{
public:
    TaxData_T2204_New() : CTaxData_Form(23) {}
};

// GST370: employee and partner GST/HST rebate.
class CTaxData_GST370 : public CTaxData_Form
{
public:
    CTaxData_GST370() : CTaxData_Form(28) {}
};

// T1206: tax on split income.
class TaxData_T1206New : public CTaxData_Form
{
public:
    TaxData_T1206New() : CTaxData_Form(29) {}
};

// T626: overseas employment tax credit.
class TaxData_T626_New : public CTaxData_Form
{
public:
    TaxData_T626_New() : CTaxData_Form(30) {}
};

// T691: alternative minimum tax.
class TaxData_T691New : public CTaxData_Form
{
public:
    TaxData_T691New() : CTaxData_Form(31) {}
};

// T2209: federal foreign tax credits (any number per return).
class TaxData_T2209_2036 : public CTaxData_Form
{
public:
    TaxData_T2209_2036() : CTaxData_Form(35) {}
};

// T2017: reserves on dispositions of capital property.
class TaxData_T2017New : public CTaxData_Form
{
public:
    TaxData_T2017New() : CTaxData_Form(37) {}
};

// T1A: request for loss carryback.
class TaxData_T1ANew : public CTaxData_Form
{
public:
    TaxData_T1ANew() : CTaxData_Form(39) {}
};

// T2222: northern residents deductions.
class CTaxData_T2222 : public CTaxData_Form
{
public:
    CTaxData_T2222() : CTaxData_Form(49) {}
};

// T1-DD(1): direct deposit.
class CTaxData_T1DD : public CTaxData_Form
{
public:
    CTaxData_T1DD() : CTaxData_Form(52) {}
};

// CPT20: election to pay CPP contributions.
class TaxData_CPT20_New : public CTaxData_Form
{
public:
    TaxData_CPT20_New() : CTaxData_Form(57) {}
};

// T777: employment expenses.
class TaxData_T777New : public CTaxData_Form
{
public:
    TaxData_T777New() : CTaxData_Form(59) {}
};

// T1219: provincial or territorial minimum tax.
class CTaxData_T1219 : public CTaxData_Form
{
public:
    CTaxData_T1219() : CTaxData_Form(89) {}
};

// TL2: meals and lodging expenses.
class TaxData_TL2_New : public CTaxData_Form
{
public:
    TaxData_TL2_New() : CTaxData_Form(92) {}
};

// T1153: consent for a discounter (filing form).
class CTaxData_T1153 : public CTaxData_Form
{
public:
    CTaxData_T1153() : CTaxData_Form(97) {}
};

// T1-M: moving expenses.
class TaxData_T1MNew : public CTaxData_Form
{
public:
    TaxData_T1MNew() : CTaxData_Form(102) {}
};

// T1223: clergy residence deduction.
class CTaxData_T1223 : public CTaxData_Form
{
public:
    CTaxData_T1223() : CTaxData_Form(103) {}
};

// T1229: resource expenses and depletion.
class CTaxData_T1229 : public CTaxData_Form
{
public:
    CTaxData_T1229() : CTaxData_Form(107) {}
};

// T1170: capital gains on gifts of certain property.
class TaxData_T1170 : public CTaxData_Form
{
public:
    TaxData_T1170() : CTaxData_Form(113) {}
};

// T1032: joint election to split pension income.
class TaxData_T1032_New : public CTaxData_Form
{
public:
    TaxData_T1032_New() : CTaxData_Form(118) {}
};

// RC267: employee contributions to a US retirement plan.
class TaxData_RC267New : public CTaxData_Form
{
public:
    TaxData_RC267New() : CTaxData_Form(136) {}
};

// RC268: employee contributions to a US Roth IRA.
class TaxData_RC268New : public CTaxData_Form
{
public:
    TaxData_RC268New() : CTaxData_Form(137) {}
};

// RC269: employee contributions to a foreign pension plan.
class TaxData_RC269 : public CTaxData_Form
{
public:
    TaxData_RC269() : CTaxData_Form(138) {}
};

// RC359: tax on excessive EPSP amounts.
class TaxData_RC359 : public CTaxData_Form
{
public:
    TaxData_RC359() : CTaxData_Form(145) {}
};

// RC381: inter-provincial CPP and QPP contributions.
class TaxData_RC381 : public CTaxData_Form
{
public:
    TaxData_RC381() : CTaxData_Form(148) {}
};

// RC383: tax-deferred CPP contributions.
class TaxData_RC383 : public CTaxData_Form
{
public:
    TaxData_RC383() : CTaxData_Form(149) {}
};

// T90: income exempt under the Indian Act.
class TaxData_T90 : public CTaxData_Form
{
public:
    TaxData_T90() : CTaxData_Form(171) {}
};

// T224: Yukon business carbon price rebate.
class TaxData_T224 : public CTaxData_Form
{
public:
    TaxData_T224() : CTaxData_Form(173) {}
};

// T225: carbon price rebate for farmers in the territories.
class TaxData_T225 : public CTaxData_Form
{
public:
    TaxData_T225() : CTaxData_Form(174) {}
};

// Federal worksheet: dividends and the social benefits repayment.
class TaxData_WS_D1 : public CTaxData_Form
{
public:
    TaxData_WS_D1() : CTaxData_Form(210) {}
};
