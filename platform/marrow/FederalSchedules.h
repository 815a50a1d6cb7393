// The federal schedules: field-holder classes of Schedules 2 to 15.
#pragma once

#include "marrow/FormFields.h"

// Schedule 2: amounts transferred from the spouse.
class TaxData_Sch2 : public CTaxData_Form
{
public:
    TaxData_Sch2() : CTaxData_Form(3) {}
};

// Schedule 3: capital gains and losses.
class TaxData_Sch3 : public CTaxData_Form
{
public:
    TaxData_Sch3() : CTaxData_Form(4) {}
};

// Schedule 5: amounts for a spouse and eligible dependants.
class TaxData_Sch5 : public CTaxData_Form
{
public:
    TaxData_Sch5() : CTaxData_Form(6) {}
};

// Schedule 6: Canada Workers Benefit.
class TaxData_Sch6 : public CTaxData_Form
{
public:
    TaxData_Sch6() : CTaxData_Form(119) {}
};

// Schedule 7: RRSP, PRPP and SPP contributions.
class TaxData_Sch7 : public CTaxData_Form
{
public:
    TaxData_Sch7() : CTaxData_Form(7) {}
};

// Schedule 8: CPP contributions on self-employment and other earnings.
class TaxData_Sch8_14 : public CTaxData_Form
{
public:
    TaxData_Sch8_14() : CTaxData_Form(150) {}
};

// Schedule 9: donations and gifts.
class TaxData_Sch9 : public CTaxData_Form
{
public:
    TaxData_Sch9() : CTaxData_Form(9) {}
};

// Schedule 10: Canada training credit.
class TaxData_Sch10 : public CTaxData_Form
{
public:
    TaxData_Sch10() : CTaxData_Form(10) {}
};

// Schedule 11: tuition, education and textbook amounts.
class TaxData_Sch11 : public CTaxData_Form
{
public:
    TaxData_Sch11() : CTaxData_Form(11) {}
};

// Home accessibility expenses.
class TaxData_Sch12_2016 : public CTaxData_Form
{
public:
    TaxData_Sch12_2016() : CTaxData_Form(157) {}
};

// Schedule 13: employment insurance on self-employment.
class TaxData_Sch13 : public CTaxData_Form
{
public:
    TaxData_Sch13() : CTaxData_Form(139) {}
};
