// Self-employment, rental and partnership forms, and the principal residence form.
#pragma once

#include "marrow/CSharableTaxData_Form.h"
#include "marrow/FormFields.h"

// T776: rental income.
class TaxData_T776New : public CSharableTaxData_Form
{
public:
    TaxData_T776New() : CSharableTaxData_Form(12) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CFloatField otherRental{this, "otherRental"};
    CFloatField grossRental{this, "grossRental"};
    CFloatField netRental{this, "netRental"};
};

// T1163: AgriStability and AgriInvest, individuals.
class TaxData_T1163New : public CSharableTaxData_Form
{
public:
    TaxData_T1163New() : CSharableTaxData_Form(15) {}
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField idFirstName{this, "idFirstName"};
    CStringField idLastName{this, "idLastName"};
    CStringField idSin{this, "idSin", 11};
    CFloatField grossIncome{this, "grossIncome"};
    CFloatField netIncome{this, "netIncome"};
    CIntField farmsteadProvince{this, "farmsteadProvince"};
    CStringField businessPostalCode{this, "businessPostalCode", 10};
};

// T2042: farming income.
class TaxData_T2042New : public CSharableTaxData_Form
{
public:
    TaxData_T2042New() : CSharableTaxData_Form(21) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CStringField postalCode{this, "postalCode", 10};
    CStringField businessPostalCode{this, "businessPostalCode", 10};
    CFloatField grossIncome{this, "grossIncome"};
    CFloatField netIncome{this, "netIncome"};
    CBoolField partnershipFlag{this, "partnershipFlag"};
    CIntField partnershipKind{this, "partnershipKind"};
};

// T2121: fishing income.
class TaxData_T2121New : public CSharableTaxData_Form
{
public:
    TaxData_T2121New() : CSharableTaxData_Form(51) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CFloatField grossIncome{this, "grossIncome"};
    CFloatField netIncome{this, "netIncome"};
    CBoolField ownFlag{this, "ownFlag"};
    CFloatField f5345{this, "5345"};
};

// T2125: business or professional income; made for code 125 or 131.
class TaxData_T2125_New : public CSharableTaxData_Form
{
public:
    explicit TaxData_T2125_New(int code) : CSharableTaxData_Form(code) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CStringField postalCode{this, "postalCode", 10};
    CStringField businessPostalCode{this, "businessPostalCode", 10};
    CIntField kind{this, "kind"};
    CIntField netSwitch{this, "netSwitch"};
    CIntField t4Income{this, "t4Income"};
    CFloatField grossIncome{this, "grossIncome"};
    CFloatField netIncome{this, "netIncome"};
    CFloatField netIncome2{this, "netIncome2"};
    CBoolField partnershipFlag{this, "partnershipFlag"};
    CIntField partnershipKind{this, "partnershipKind"};
    CBoolField ownFlag{this, "ownFlag"};
};

// T2091(IND): principal residence; made for code 147 or 160.
class TaxData_T2091 : public CTaxData_Form
{
public:
    explicit TaxData_T2091(int code) : CTaxData_Form(code) {}
    CStringField fullName{this, "fullName"};
    CStringField sin{this, "sin", 11};
    CFloatField gain{this, "gain"};
    CBoolField ownFlag{this, "ownFlag"};
};

// T5013 partnership income entered as a form.
class CTaxData_T5013 : public CTaxData_Form
{
public:
    CTaxData_T5013() : CTaxData_Form(38) {}
    CIntField province{this, "province"};
    CStringField sin{this, "sin", 11};
};
