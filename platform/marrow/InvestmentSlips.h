// Slips of investment, registered-plan, tuition and other income.
#pragma once

#include "marrow/FormFields.h"
#include "marrow/CSharableTaxData_Form.h"

// T4RSP: RRSP income.
class TaxData_Slip_T4RSP : public CTaxData_Form
{
public:
    TaxData_Slip_T4RSP() : CTaxData_Form(4, KindSlip) {}
};

// T4RIF: RRIF income.
class TaxData_Slip_T4RIF : public CTaxData_Form
{
public:
    TaxData_Slip_T4RIF() : CTaxData_Form(7, KindSlip) {}
};

// T5: investment income.
class TaxData_Slip_T5 : public CSharableTaxData_Form
{
public:
    TaxData_Slip_T5() : CSharableTaxData_Form(8, KindSlip) {}
};

// T3: trust income allocations.
class TaxData_Slip_T3 : public CSharableTaxData_Form
{
public:
    TaxData_Slip_T3() : CSharableTaxData_Form(9, KindSlip) {}
};

// T5003: tax shelter information.
class CSlipData_T5003 : public CTaxData_Form
{
public:
    CSlipData_T5003() : CTaxData_Form(10, KindSlip) {}
};

// T5007: benefits (social assistance, workers' compensation).
class CSlipData_T5007 : public CTaxData_Form
{
public:
    CSlipData_T5007() : CTaxData_Form(11, KindSlip) {}
};

// T5013: partnership income.
class TaxData_Slip_T5013 : public CTaxData_Form
{
public:
    TaxData_Slip_T5013() : CTaxData_Form(13, KindSlip) {}
};

// T5006: registered labour-sponsored venture capital shares.
class TaxData_Slip_T5006 : public CTaxData_Form
{
public:
    TaxData_Slip_T5006() : CTaxData_Form(16, KindSlip) {}
};

// T1204: government service contract payments.
class TaxData_Slip_T1204 : public CTaxData_Form
{
public:
    TaxData_Slip_T1204() : CTaxData_Form(23, KindSlip) {}
};

// NR4: amounts paid to non-residents.
class TaxData_Slip_NR4 : public CTaxData_Form
{
public:
    TaxData_Slip_NR4() : CTaxData_Form(24, KindSlip) {}
};

// T2202: tuition and enrolment certificate.
class TaxData_Slip_T2202 : public CTaxData_Form
{
public:
    TaxData_Slip_T2202() : CTaxData_Form(25, KindSlip) {}
};

// T4FHSA: first home savings account.
class TaxData_Slip_T4FHSA : public CTaxData_Form
{
public:
    TaxData_Slip_T4FHSA() : CTaxData_Form(26, KindSlip) {}
};
