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
    CIntField higherIncomeFlag1{this, "higherIncomeFlag1"};
    CIntField higherIncomeFlag2{this, "higherIncomeFlag2"};
    CFloatField partnerAmount{this, "partnerAmount"};
    CFloatField amount{this, "amount"};

    // The spouse's T778 into this one: each return sees the other's claim and which of the
    // two has the higher income.
    void SyncWithSpouseT778(const TaxData_T778New &spouse)
    {
        partnerAmount = spouse.amount.value();
        higherIncomeFlag1 = spouse.higherIncomeFlag2.value();
        higherIncomeFlag2 = spouse.higherIncomeFlag1.value();
    }
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
    CFloatField insurableEarnings{this, "insurableEarnings"};
    CFloatField insurableEarnings2{this, "insurableEarnings2"};
    CBoolField eiExempt{this, "eiExempt"};
    CFloatField premiumsWithPpip{this, "premiumsWithPpip"};
    CFloatField ppipPremiums{this, "ppipPremiums"};
    CBoolField quebecFlag{this, "quebecFlag"};
};

// GST370: employee and partner GST/HST rebate.
class CTaxData_GST370 : public CTaxData_Form
{
public:
    CTaxData_GST370() : CTaxData_Form(28) {}
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField yearText{this, "yearText", 4};
    CFloatField rebate{this, "rebate"};
};

// T1206: tax on split income.
class TaxData_T1206New : public CTaxData_Form
{
public:
    TaxData_T1206New() : CTaxData_Form(29) {}
    CFloatField f68330{this, "68330"};
    CFloatField f68340{this, "68340"};
    CFloatField f68360{this, "68360"};
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
    CFloatField minimumTax{this, "minimumTax"};
    CFloatField minimumTaxBase{this, "minimumTaxBase"};
    CFloatField carryOver{this, "carryOver"};
    CFloatField indicator1{this, "indicator1"};
    CFloatField indicator2{this, "indicator2"};
    CFloatField f6783{this, "6783"};
    CFloatField f6784{this, "6784"};
    CFloatField f6786{this, "6786"};
    CFloatField f67820{this, "67820"};
    CFloatField f67922{this, "67922"};
    CFloatField f67924{this, "67924"};
    CFloatField f67926{this, "67926"};
};

// T2209: federal foreign tax credits (any number per return).
class TaxData_T2209_2036 : public CTaxData_Form
{
public:
    TaxData_T2209_2036() : CTaxData_Form(35) {}
    CBoolField overrideBase{this, "overrideBase"};
    CFloatField incomeBase{this, "incomeBase"};
    CFloatField slipAmount1{this, "slipAmount1"};
    CFloatField slipAmount2{this, "slipAmount2"};
    CFloatField slipAmount3{this, "slipAmount3"};
    CFloatField slipAmount4{this, "slipAmount4"};
    CFloatField credit{this, "credit"};
    CStringField country{this, "country"};
    void getDescription(CString &out) const override { out = country.value(); }
};

// T2017: reserves on dispositions of capital property.
class TaxData_T2017New : public CTaxData_Form
{
public:
    TaxData_T2017New() : CTaxData_Form(37) {}
    CFloatField result{this, "result"};
    CFloatField f66843{this, "66843"};
    CFloatField f66844{this, "66844"};
    CFloatField f66850{this, "66850"};
    CFloatField f66883{this, "66883"};
    CFloatField f66905{this, "66905"};
};

// T1A: request for loss carryback.
class TaxData_T1ANew : public CTaxData_Form
{
public:
    TaxData_T1ANew() : CTaxData_Form(39) {}
    CStringField fullName{this, "fullName"};
    CStringField address{this, "address"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField phone{this, "phone", 20};
    CIntField ownSwitch{this, "ownSwitch"};
    CFloatField capitalLoss{this, "capitalLoss"};
    CFloatField lossAmount{this, "lossAmount"};
};

// T2222: northern residents deductions.
class CTaxData_T2222 : public CTaxData_Form
{
public:
    CTaxData_T2222() : CTaxData_Form(49) {}
    CFloatField slipAmount1{this, "slipAmount1"};
    CFloatField slipAmount2{this, "slipAmount2"};
    CFloatField days1{this, "days1"};
    CFloatField days2{this, "days2"};
    CFloatField days3{this, "days3"};
    CFloatField days4{this, "days4"};
};

// T1-DD(1): direct deposit.
class CTaxData_T1DD : public CTaxData_Form
{
public:
    CTaxData_T1DD() : CTaxData_Form(52) {}
    CStringField branch{this, "branch", 5};
    CStringField institution{this, "institution", 3};
    CStringField account{this, "account", 12};
    CStringField firstName{this, "firstName"};
    CStringField lastName{this, "lastName"};
    CStringField sin{this, "sin", 11};
    CStringField street{this, "street"};
    CStringField city{this, "city"};
    CIntField mailingProvince{this, "mailingProvince"};
    CStringField postalCode{this, "postalCode", 10};
};

// CPT20: election to pay CPP contributions.
class TaxData_CPT20_New : public CTaxData_Form
{
public:
    TaxData_CPT20_New() : CTaxData_Form(57) {}
    CIntField option{this, "option"};
};

// T777: employment expenses.
class TaxData_T777New : public CTaxData_Form
{
public:
    TaxData_T777New() : CTaxData_Form(59) {}
    CStringField employerName{this, "employerName"};
    void getDescription(CString &out) const override { out = employerName.value(); }
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
    CStringField sin{this, "sin", 11};
    CStringField employerName{this, "employerName"};
    void getDescription(CString &out) const override { out = employerName.value(); }
};

// T1153: consent for a discounter (filing form).
class CTaxData_T1153 : public CTaxData_Form
{
public:
    CTaxData_T1153() : CTaxData_Form(97) {}
    CStringField businessName{this, "businessName"};
    CStringField discounterCode{this, "discounterCode", 10};
    CStringField businessAddress{this, "businessAddress"};
    CStringField efileNumber{this, "efileNumber", 10};
    CStringField businessCity{this, "businessCity"};
    CStringField businessProvince{this, "businessProvince"};
    CStringField businessPostalCode{this, "businessPostalCode", 10};
    CStringField fullName{this, "fullName"};
    CStringField sin{this, "sin", 11};
    CStringField address{this, "address"};
    CDateField birthDate{this, "birthDate"};
    CStringField city{this, "city"};
    CStringField provinceText{this, "provinceText"};
    CStringField postalCode{this, "postalCode", 10};
};

// T1-M: moving expenses.
class TaxData_T1MNew : public CTaxData_Form
{
public:
    TaxData_T1MNew() : CTaxData_Form(102) {}
    CFloatField amount1{this, "amount1"};
    CFloatField amount2{this, "amount2"};
    CStringField newAddress{this, "newAddress"};
    void getDescription(CString &out) const override { out = newAddress.value(); }

    // Its carry reaches the new year through the T1 (the loaded carry amount), not the form.
    bool keepForNewYear(int, int) const override { return false; }

    // What the form carries into the following year: the first amount less the second, when
    // positive.
    double amountForNextYear() const { return amount1 - amount2 > 0 ? amount1 - amount2 : 0.0; }
};

// T1223: clergy residence deduction.
class CTaxData_T1223 : public CTaxData_Form
{
public:
    CTaxData_T1223() : CTaxData_Form(103) {}
    CFloatField housingAmount{this, "housingAmount"};
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
    CIntField transferer{this, "transferer", -1};
    CBoolField election{this, "election"};
    CFloatField electedAmount{this, "electedAmount"};
    CIntField exclusionFlag{this, "exclusionFlag"};
    CFloatField amount{this, "amount"};
    CFloatField secondAmount{this, "secondAmount"};
    CFloatField partnerSumTransferer{this, "partnerSumTransferer"};
    CFloatField partnerSumTransferee{this, "partnerSumTransferee"};
    CFloatField t4aBox128{this, "t4aBox128"};
    CFloatField t4arcaD{this, "t4arcaD"};
    CFloatField f68026{this, "68026"};
    CFloatField f68040{this, "68040"};
    CFloatField f68050{this, "68050"};
    // The joint election both spouses' forms hold alike: the pensioner's and the transferee's
    // identification, the keyed entries (a key and an amount per row), and the amounts.
    CStringField pensionerLastName{this, "pensionerLastName"};
    CStringField pensionerFirstName{this, "pensionerFirstName"};
    CStringField pensionerSin{this, "pensionerSin", 11};
    CStringField pensionerAddress{this, "pensionerAddress"};
    CStringField pensionerPostalCode{this, "pensionerPostalCode", 10};
    CStringField transfereeFirstName{this, "transfereeFirstName"};
    CStringField transfereeLastName{this, "transfereeLastName"};
    CStringField transfereeSin{this, "transfereeSin", 11};
    CTableField electionEntries{this, "electionEntries", 10, {FieldType::Int, FieldType::Float}};

    // The partner's form takes this one's election data: what is decided once for both.
    void copyElectionDataFrom(const TaxData_T1032_New &other)
    {
        static const char *const kElectionData[] = {"pensionerLastName",
                                                    "pensionerFirstName",
                                                    "pensionerSin",
                                                    "pensionerAddress",
                                                    "pensionerPostalCode",
                                                    "transfereeFirstName",
                                                    "transfereeLastName",
                                                    "transfereeSin",
                                                    "electionEntries",
                                                    "amount",
                                                    "secondAmount",
                                                    "t4aBox128",
                                                    "t4arcaD",
                                                    "68026",
                                                    "68040"};
        for (const char *name : kElectionData)
            copyFieldFrom(other, name);
    }
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
    CBoolField line10100Flag{this, "line10100Flag"};
    CBoolField cppExempt{this, "cppExempt"};
    CBoolField qppExempt{this, "qppExempt"};
    CIntField t4Count{this, "t4Count"};
    CIntField quebecCount{this, "quebecCount"};
    CFloatField box16Total{this, "box16Total"};
    CFloatField box16ATotal{this, "box16ATotal"};
    CFloatField box17Total{this, "box17Total"};
    CFloatField box17ATotal{this, "box17ATotal"};
    CIntField employmentKind{this, "employmentKind"};
    CBoolField electionFlag{this, "electionFlag"};
    CIntField electionOption{this, "electionOption"};
    CFloatField electionAmount{this, "electionAmount"};
};

// RC383: tax-deferred CPP contributions.
class TaxData_RC383 : public CTaxData_Form
{
public:
    TaxData_RC383() : CTaxData_Form(149) {}
    CFloatField exemptIncome{this, "exemptIncome"};
    CFloatField exemptPriorYear{this, "exemptPriorYear"};
    CFloatField exemptCurrentYear{this, "exemptCurrentYear"};
    CFloatField f58750{this, "58750"};
    CFloatField f58810{this, "58810"};
};

// T90: income exempt under the Indian Act.
class TaxData_T90 : public CTaxData_Form
{
public:
    TaxData_T90() : CTaxData_Form(171) {}
    CFloatField exemptAmount{this, "exemptAmount"};
    CBoolField exemptFlag{this, "exemptFlag"};
    CFloatField secondAmount{this, "secondAmount"};
    CFloatField eiAmount{this, "eiAmount"};
    CFloatField f10000{this, "10000"};
    CFloatField f10026{this, "10026"};
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
    CIntField age{this, "age"};
};

// Federal worksheet: dividends and the social benefits repayment.
class TaxData_WS_D1 : public CTaxData_Form
{
public:
    TaxData_WS_D1() : CTaxData_Form(210) {}
};
