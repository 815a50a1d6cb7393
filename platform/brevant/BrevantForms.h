// The further form classes (filing, authorisation and credit forms).
#pragma once

#include "marrow/FormFields.h"

// Schedule 12: multigenerational home renovation.
class TaxData_Sch12_MultigHomeReno : public CTaxData_Form
{
public:
    TaxData_Sch12_MultigHomeReno() : CTaxData_Form(133) {}
};

// Schedule 15: FHSA contributions, transfers and activities.
class TaxData_Sch15 : public CTaxData_Form
{
public:
    TaxData_Sch15() : CTaxData_Form(205) {}
};

// T185: pre-authorised debit agreement (filing form).
class TaxData_T185 : public CTaxData_Form
{
public:
    TaxData_T185() : CTaxData_Form(181) {}
};

// T1172: additional tax on accumulated income payments.
class TaxData_T1172New : public CTaxData_Form
{
public:
    TaxData_T1172New() : CTaxData_Form(17) {}
};

// T1212: investment tax credit carry-forward statement.
class TaxData_T1212New : public CTaxData_Form
{
public:
    TaxData_T1212New() : CTaxData_Form(18) {}
};

// T2038(IND): investment tax credit.
class TaxData_T2038New : public CTaxData_Form
{
public:
    TaxData_T2038New() : CTaxData_Form(20) {}
};

// T936: cumulative net investment loss.
class TaxData_T936New : public CTaxData_Form
{
public:
    TaxData_T936New() : CTaxData_Form(32) {}
};

// T657: capital gains deduction.
class TaxData_T657New : public CTaxData_Form
{
public:
    TaxData_T657New() : CTaxData_Form(40) {}
};

// RC71: statement of discounting transaction.
class CTaxData_RC71 : public CTaxData_Form
{
public:
    CTaxData_RC71() : CTaxData_Form(53) {}
};

// T5004: claim for tax shelter loss or deduction.
class TaxData_T5004 : public CTaxData_Form
{
public:
    TaxData_T5004() : CTaxData_Form(55) {}
};

// T183: authorisation to file electronically.
class TaxData_T183New : public CTaxData_Form
{
public:
    TaxData_T183New() : CTaxData_Form(96) {}
};

// T1135: foreign income verification statement.
class TaxData_T1135New : public CTaxData_Form
{
public:
    TaxData_T1135New() : CTaxData_Form(101) {}
};

// T746: deduction for repayments of RRSP excess contributions.
class TaxData_T746New : public CTaxData_Form
{
public:
    TaxData_T746New() : CTaxData_Form(105) {}
};

// T1-ADJ: adjustment request.
class CTaxData_T1ADJ : public CTaxData_Form
{
public:
    CTaxData_T1ADJ() : CTaxData_Form(116) {}
};

// T1013: authorising a representative.
class TaxData_T1013New : public CTaxData_Form
{
public:
    TaxData_T1013New() : CTaxData_Form(117) {}
};

// T2205: amounts from a spousal plan to include in income.
class CTaxData_T2205 : public CTaxData_Form
{
public:
    CTaxData_T2205() : CTaxData_Form(124) {}
};

// T777S: temporary flat rate home office expenses.
class TaxData_T777Covid19 : public CTaxData_Form
{
public:
    TaxData_T777Covid19() : CTaxData_Form(179) {}
};

// RC59: business consent.
class TaxData_RC59_e : public CTaxData_Form
{
public:
    TaxData_RC59_e() : CTaxData_Form(184) {}
};

// RC59X: cancel business consent.
class TaxData_RC59X_e : public CTaxData_Form
{
public:
    TaxData_RC59X_e() : CTaxData_Form(185) {}
};

// T1044: non-profit organisation information return.
class TaxData_T1044 : public CTaxData_Form
{
public:
    TaxData_T1044() : CTaxData_Form(186) {}
};

// T2043: return of fuel charge proceeds to farmers.
class TaxData_T2043 : public CTaxData_Form
{
public:
    TaxData_T2043() : CTaxData_Form(193) {}
};

// T2039: air quality improvement tax credit.
class TaxData_T2039 : public CTaxData_Form
{
public:
    TaxData_T2039() : CTaxData_Form(199) {}
};

// T1248 Schedule D: residency information.
class TaxData_T1248SchD : public CTaxData_Form
{
public:
    TaxData_T1248SchD() : CTaxData_Form(207) {}
};

// Instalment calculator.
class TaxData_InstalmentCalc : public CTaxData_Form
{
public:
    TaxData_InstalmentCalc() : CTaxData_Form(209) {}
};

// T2048: Canadian journalism labour tax credit.
class TaxData_T2048 : public CTaxData_Form
{
public:
    TaxData_T2048() : CTaxData_Form(212) {}
};

// T1198: statement of qualifying retroactive lump-sum payment.
class TaxData_T1198 : public CTaxData_Form
{
public:
    TaxData_T1198() : CTaxData_Form(213) {}
};
