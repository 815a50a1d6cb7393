// Slips of employment, pension and benefit income.
#pragma once

#include "marrow/FormFields.h"

// T4: statement of remuneration paid.
class TaxData_Slip_T4 : public CTaxData_Form
{
public:
    TaxData_Slip_T4() : CTaxData_Form(1, KindSlip) {}
};

// T4A: pension, retirement, annuity and other income.
class TaxData_Slip_T4A : public CTaxData_Form
{
public:
    TaxData_Slip_T4A() : CTaxData_Form(2, KindSlip) {}
};

// T4A(P): CPP benefits.
class TaxData_Slip_T4AP : public CTaxData_Form
{
public:
    TaxData_Slip_T4AP() : CTaxData_Form(3, KindSlip) {}
};

// T4E: employment insurance benefits.
class TaxData_Slip_T4E : public CTaxData_Form
{
public:
    TaxData_Slip_T4E() : CTaxData_Form(5, KindSlip) {}
};

// T4A(OAS): old age security.
class CSlipData_T4AOAS : public CTaxData_Form
{
public:
    CSlipData_T4AOAS() : CTaxData_Form(6, KindSlip) {}
};

// T4PS: employees' profit-sharing plan allocations.
class TaxData_Slip_T4PS : public CTaxData_Form
{
public:
    TaxData_Slip_T4PS() : CTaxData_Form(14, KindSlip) {}
};

// T4A-RCA: distributions from a retirement compensation arrangement.
class TaxData_Slip_T4ARCA : public CTaxData_Form
{
public:
    TaxData_Slip_T4ARCA() : CTaxData_Form(15, KindSlip) {}
};

// RC62: universal child care benefit.
class TaxData_Slip_RC62 : public CTaxData_Form
{
public:
    TaxData_Slip_RC62() : CTaxData_Form(17, KindSlip) {}
};

// RC210: advance Canada Workers Benefit.
class TaxData_Slip_RC210 : public CTaxData_Form
{
public:
    TaxData_Slip_RC210() : CTaxData_Form(18, KindSlip) {}
};

// Manitoba shelter assistance.
class TaxData_Slip_MBShelterAssist : public CTaxData_Form
{
public:
    TaxData_Slip_MBShelterAssist() : CTaxData_Form(21, KindSlip) {}
};

// PRPP contribution receipt.
class TaxData_Slip_PRPP : public CTaxData_Form
{
public:
    TaxData_Slip_PRPP() : CTaxData_Form(22, KindSlip) {}
};
