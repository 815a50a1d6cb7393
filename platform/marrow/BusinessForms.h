// Self-employment, rental and partnership forms, and the principal residence form.
#pragma once

#include "marrow/CSharableTaxData_Form.h"
#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/AmountTolerance.h"

#include <QtGlobal>
#include <utility>

// Net income of a statement: the gross income less the expenses and the capital cost
// allowance.
inline double netOfExpenses(double gross, double expenses, double capitalCostAllowance)
{
    return gross - expenses - capitalCostAllowance;
}

// The partnership amounts of a farming or business statement, registered with the form: the
// person's percentage and two sets of amounts (the second for a partnership of kind 2, whose
// amounts the person enters from the partnership's statement): the net amount reported, the
// share of the gross income and the share of the net income.
struct PartnershipAmounts
{
    explicit PartnershipAmounts(FieldOwner *form)
        : share{form, "partnershipShare", 100.0}, net1{form, "partnershipNet1"},
          gross1{form, "partnershipGross1"}, netShare1{form, "partnershipNetShare1"},
          net2{form, "partnershipNet2"}, gross2{form, "partnershipGross2"},
          netShare2{form, "partnershipNetShare2"}
    {
    }
    CFloatField share;
    CFloatField net1;
    CFloatField gross1;
    CFloatField netShare1;
    CFloatField net2;
    CFloatField gross2;
    CFloatField netShare2;

    void fill(bool partnership, double gross, double net)
    {
        const double part = partnership ? share / 100.0 : 0.0;
        for (auto set : {std::make_pair(&net1, &gross1), std::make_pair(&net2, &gross2)}) {
            *set.first = net * part;
            *set.second = gross * part;
        }
        netShare1 = net * part;
        netShare2 = net * part;
    }
    // The set of the partnership's kind.
    double net(int kind) const { return kind == 2 ? net2 : net1; }
    double gross(int kind) const { return kind == 2 ? gross2 : gross1; }
    double netShare(int kind) const { return kind == 2 ? netShare2 : netShare1; }
};

// The identification a statement's barcode block carries beside the form's name, S.I.N. and
// address, registered with the form: the industry code, the fiscal period, the business
// number, the tax shelter identifier, whether the year was the last of the business (not 0
// yes), the partnership's filer identification and up to three partners, each a name, an
// address and a share in percent.
struct StatementIdentification
{
    explicit StatementIdentification(FieldOwner *form)
        : industryCode{form, "industryCode", 6}, periodStart{form, "periodStart"},
          periodEnd{form, "periodEnd"}, businessNumber{form, "businessNumber", 9},
          taxShelterId{form, "taxShelterId", 8}, lastYear{form, "lastYear"},
          partnershipId{form, "partnershipId", 15}, partners{form,
                                                             "partners",
                                                             kPartnerRows,
                                                             {FieldType::String, FieldType::String,
                                                              FieldType::Float}}
    {
    }
    static constexpr int kPartnerRows = 3;
    enum PartnerColumn
    {
        PartnerName = 0,
        PartnerAddress = 1,
        PartnerShare = 2
    };
    CStringField industryCode;
    CDateField periodStart;
    CDateField periodEnd;
    CStringField businessNumber;
    CStringField taxShelterId;
    CIntField lastYear;
    CStringField partnershipId;
    CTableField partners;
};

// T776: rental income.
class TaxData_T776New : public CSharableTaxData_Form
{
public:
    TaxData_T776New() : CSharableTaxData_Form(FormType::T776) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CFloatField otherRental{this, "otherRental"};
    CFloatField grossRental{this, "grossRental"};
    CFloatField netRental{this, "netRental"};
    CFloatField f9936{this, "9936"};
    CStringField propertyAddress{this, "propertyAddress"};
    CStringField propertyPostalCode{this, "propertyPostalCode", 10};
    // The person's share of the property, in percent.
    CFloatField ownershipShare{this, "ownershipShare", 100.0};
    StatementIdentification identification{this};
    void getDescription(CString &out) const override { out = propertyAddress.value(); }
    // Entered: the year's rents, the expenses (with their personal portion) and the capital
    // cost allowance claimed.
    CFloatField grossRents{this, "grossRents"};
    CFloatField expenses{this, "expenses"};
    CFloatField personalPortion{this, "personalPortion"};
    CFloatField capitalCostAllowance{this, "capitalCostAllowance"};

    // Net rental income: the rents less the deductible expenses and the allowance.
    void Calculate01()
    {
        grossRental = grossRents.value();
        netRental = netOfExpenses(grossRents, expenses - personalPortion, capitalCostAllowance);
    }
    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;
};

// T1163: AgriStability and AgriInvest, individuals.
class TaxData_T1163New : public CSharableTaxData_Form
{
public:
    TaxData_T1163New() : CSharableTaxData_Form(FormType::T1163) {}
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
    // Entered beside the gross income: the expenses and the capital cost allowance claimed.
    CFloatField expenses{this, "expenses"};
    CFloatField capitalCostAllowance{this, "capitalCostAllowance"};

    // Net farming income: the gross income less the expenses and the allowance.
    void Calculate01() { netIncome = netOfExpenses(grossIncome, expenses, capitalCostAllowance); }
    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;
};

// T2042: farming income.
class TaxData_T2042New : public CSharableTaxData_Form
{
public:
    TaxData_T2042New() : CSharableTaxData_Form(FormType::T2042) {}
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
    // Entered beside the gross income: the expenses and the capital cost allowance claimed.
    CFloatField expenses{this, "expenses"};
    CFloatField capitalCostAllowance{this, "capitalCostAllowance"};
    PartnershipAmounts partnership{this};
    CStringField partnerName{this, "partnerName"};
    CStringField businessAddress{this, "businessAddress"};
    StatementIdentification identification{this};

    // Net farming income; a partnership's shares come from the person's percentage.
    void Calculate01()
    {
        netIncome = netOfExpenses(grossIncome, expenses, capitalCostAllowance);
        partnership.fill(partnershipFlag, grossIncome, netIncome);
    }
    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;
};

// T2121: fishing income.
class TaxData_T2121New : public CSharableTaxData_Form
{
public:
    TaxData_T2121New() : CSharableTaxData_Form(FormType::T2121) {}
    CStringField ownerName{this, "ownerName"};
    CStringField sin{this, "sin", 11};
    CFloatField grossIncome{this, "grossIncome"};
    CFloatField netIncome{this, "netIncome"};
    CBoolField ownFlag{this, "ownFlag"};
    CFloatField f5345{this, "5345"};
    CStringField businessName{this, "businessName"};
    CBoolField partnershipFlag{this, "partnershipFlag"};
    // The person's share of the fishing business, in percent.
    CFloatField ownershipShare{this, "ownershipShare", 100.0};
    StatementIdentification identification{this};
    void getDescription(CString &out) const override { out = businessName.value(); }
    // Entered beside the gross income: the expenses and the capital cost allowance claimed.
    CFloatField expenses{this, "expenses"};
    CFloatField capitalCostAllowance{this, "capitalCostAllowance"};

    // Net fishing income: the gross income less the expenses and the allowance.
    void Calculate01() { netIncome = netOfExpenses(grossIncome, expenses, capitalCostAllowance); }
    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;
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
    StatementIdentification identification{this};
    // The main product or service and the industry's description, the number of internet
    // sites the business earns from and the number of its employees.
    CStringField mainProduct{this, "mainProduct", 96};
    CStringField mainActivity{this, "mainActivity", 96};
    CFloatField websiteCount{this, "websiteCount"};
    CFloatField employeeCount{this, "employeeCount"};
    // What the statement is for, when no business name says it (a government service
    // contract a download added).
    CStringField description{this, "description", 80};
    void getDescription(CString &out) const override
    {
        out = businessName.value();
        if (out.isEmpty())
            out = description.value();
    }

    // The generic page with a button that copies the T1's mailing address here.
    void createPages(QList<BaseTaxPage *> &pages, QWidget *parent) override;

    // The net income that counts as self-employment income: the switch picks the second.
    double countedNetIncome() const { return netSwitch != 0 ? netIncome2 : netIncome; }
    // Entered beside the gross income: the expenses and the capital cost allowance claimed.
    CFloatField expenses{this, "expenses"};
    CFloatField capitalCostAllowance{this, "capitalCostAllowance"};
    PartnershipAmounts partnership{this};

    // Net income of the business or profession: the gross income less the expenses and the
    // allowance; a partnership's shares come from the person's percentage.
    void Calculate01()
    {
        netIncome = netOfExpenses(grossIncome, expenses, capitalCostAllowance);
        partnership.fill(partnershipFlag, grossIncome, netIncome);
    }
    int writeEfileRecords(int mode, NetfileGenObjParamStru &param) override;
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
    // Entered: the sale, the cost and outlays, and the years owned and designated.
    CFloatField proceeds{this, "proceeds"};
    CFloatField adjustedCostBase{this, "adjustedCostBase"};
    CFloatField outlays{this, "outlays"};
    CIntField yearsOwned{this, "yearsOwned"};
    CIntField yearsDesignated{this, "yearsDesignated"};

    // The gain left after the principal residence exemption: the exempt part is
    // (1 + years designated) / years owned of the gain, at most all of it. A loss on a
    // residence is not deductible.
    void Calculate01()
    {
        const double whole = proceeds - adjustedCostBase - outlays;
        if (whole < kAmountTolerance || yearsOwned <= 0) {
            gain = 0.0;
            return;
        }
        const double exemptShare = qMin(1.0, double(1 + yearsDesignated) / yearsOwned);
        gain = whole * (1.0 - exemptShare);
    }
};

// T5013 partnership income entered as a form.
class CTaxData_T5013 : public CTaxData_Form
{
public:
    CTaxData_T5013() : CTaxData_Form(FormType::T5013) {}
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

    // The person's gross income of each kind the partnership reports.
    CFloatField grossRental{this, "grossRental"};
    CFloatField grossBusiness{this, "grossBusiness"};
    CFloatField grossProfessional{this, "grossProfessional"};
    CFloatField grossCommission{this, "grossCommission"};
    CFloatField grossFarming{this, "grossFarming"};
    CFloatField grossFishing{this, "grossFishing"};
    // Four entry blocks: a marker (-1 unused) and seven amounts that go to the T1 alike.
    static constexpr int kEntryBlocks = 4;
    static constexpr int kBlockAmounts = 7;
    CTableField entries{this,
                        "entries",
                        kEntryBlocks,
                        {FieldType::Int, FieldType::Float, FieldType::Float, FieldType::Float,
                         FieldType::Float, FieldType::Float, FieldType::Float, FieldType::Float}};

    // The person's shares are entered as they are; a gross income is never below the net
    // income of a profitable kind.
    void Calculate01()
    {
        const std::pair<CFloatField *, CFloatField *> kinds[] = {
            {&grossRental, &rentalIncome},
            {&grossBusiness, &businessIncome},
            {&grossProfessional, &professionalIncome},
            {&grossCommission, &commissionIncome},
            {&grossFarming, &farmingIncome},
            {&grossFishing, &fishingIncome}};
        for (const auto &kind : kinds) {
            if (*kind.second > *kind.first)
                *kind.first = kind.second->value();
        }
    }
    // The statement parts of its financial-data records: 0 rental, 1 business (business,
    // professional and commission income), 2 farming, 3 fishing. A part is one when the
    // partnership gives income of its kind.
    bool IsThisSFD(int part) const;
    // Writes the line records of one part.
    int ConvertToNetfile(int edition, int part, NetfileGenObjParamStru &param);

    // The four statement parts of its barcode blocks, numbered 1 to 4. Each part has an income
    // kind: -1 unused (the default), 0 rental, 1 professional, 2 business, 3 commission,
    // 4 farming, 5 none of a statement, 6 fishing; and its own identification, the columns of
    // partDetails.
    static constexpr int kBarcodeParts = 4;
    CIntField partKind1{this, "partKind1", -1};
    CIntField partKind2{this, "partKind2", -1};
    CIntField partKind3{this, "partKind3", -1};
    CIntField partKind4{this, "partKind4", -1};
    enum PartColumn
    {
        PartIndicator = 0, // a partnership's own statement: not 0 yes
        PartIndustryCode,
        PartName,
        PartAddress,
        PartPostalCode,
        PartPeriodStart,
        PartPeriodEnd,
        PartBusinessNumber,
        PartPercentage,
        PartTaxShelterId,
        PartLastYear,
        PartPartnershipId
    };
    CTableField partDetails{this,
                            "partDetails",
                            kBarcodeParts,
                            {FieldType::Int, FieldType::String, FieldType::String,
                             FieldType::String, FieldType::String, FieldType::Date, FieldType::Date,
                             FieldType::String, FieldType::Float, FieldType::String, FieldType::Int,
                             FieldType::String}};
    // The kind of part 1 to 4; -1 for another number.
    int partKind(int part) const;
    void setPartKind(int part, int kind);
    // The parts that make a barcode block: those whose kind is neither -1 nor 5.
    int GetCountOfBarcodeSFDForms() const;
    // Writes the net income of the part's kind as a line record; 1 when written, else 0.
    int WriteFreeData(int mode, int part, NetfileGenObjParamStru &param);

private:
    static int present(double amount) { return qAbs(amount) >= kAmountTolerance ? 1 : 0; }
};
