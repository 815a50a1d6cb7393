// Self-employment, rental and partnership forms, and the principal residence form.
#pragma once

#include "marrow/CSharableTaxData_Form.h"
#include "marrow/FormFields.h"
#include "ordane/AmountTolerance.h"

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
    CStringField propertyAddress{this, "propertyAddress"};
    void getDescription(CString &out) const override { out = propertyAddress.value(); }
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
    CStringField businessName{this, "businessName"};
    void getDescription(CString &out) const override { out = businessName.value(); }
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
    CStringField businessName{this, "businessName"};
    void getDescription(CString &out) const override { out = businessName.value(); }
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
    CStringField businessName{this, "businessName"};
    void getDescription(CString &out) const override { out = businessName.value(); }
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
    CStringField businessName{this, "businessName"};
    // The business address, which the editor can copy from the T1's mailing address.
    CStringField businessAddress{this, "businessAddress"};
    CStringField businessCity{this, "businessCity"};
    CIntField businessProvince{this, "businessProvince"};
    void getDescription(CString &out) const override { out = businessName.value(); }

    // The generic page with a button that copies the T1's mailing address here.
    void createPages(QList<BaseTaxPage *> &pages, QWidget *parent) override;

    // The net income that counts as self-employment income: the switch picks the second.
    double countedNetIncome() const { return netSwitch != 0 ? netIncome2 : netIncome; }
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
    CStringField propertyAddress{this, "propertyAddress"};
    void getDescription(CString &out) const override { out = propertyAddress.value(); }
};

// T5013 partnership income entered as a form.
class CTaxData_T5013 : public CTaxData_Form
{
public:
    CTaxData_T5013() : CTaxData_Form(38) {}
    CIntField province{this, "province"};
    CStringField sin{this, "sin", 11};
    CStringField partnershipName{this, "partnershipName"};
    void getDescription(CString &out) const override { out = partnershipName.value(); }
    // The person's share of the partnership's net income of each kind (a loss below 0).
    CFloatField rentalIncome{this, "rentalIncome"};
    CFloatField businessIncome{this, "businessIncome"};
    CFloatField professionalIncome{this, "professionalIncome"};
    CFloatField commissionIncome{this, "commissionIncome"};
    CFloatField farmingIncome{this, "farmingIncome"};
    CFloatField fishingIncome{this, "fishingIncome"};

    // 1 when the partnership gives income of the kind (a loss included), else 0.
    int HaveRentalIncome() const { return present(rentalIncome); }
    int HaveBusinessIncome() const { return present(businessIncome); }
    int HaveProfessionalIncome() const { return present(professionalIncome); }
    int HaveCommissionIncome() const { return present(commissionIncome); }
    int HaveFarmIncome() const { return present(farmingIncome); }
    int HaveFishIncome() const { return present(fishingIncome); }
    // The kinds of self-employment income it gives, each one selected-financial-data form;
    // rental income counts too when asked for (it has its own statement, the T776).
    int GetCountOfSFDForms(bool withRental) const
    {
        return HaveBusinessIncome() + HaveProfessionalIncome() + HaveCommissionIncome() +
               HaveFarmIncome() + HaveFishIncome() + (withRental ? HaveRentalIncome() : 0);
    }
    // The self-employment net incomes that are not losses, summed.
    double GetTotalNonLossNetIncome() const
    {
        double total = 0;
        for (double amount :
             {double(businessIncome), double(professionalIncome), double(commissionIncome),
              double(farmingIncome), double(fishingIncome)}) {
            if (amount >= kAmountTolerance)
                total += amount;
        }
        return total;
    }

private:
    static int present(double amount) { return qAbs(amount) >= kAmountTolerance ? 1 : 0; }
};
