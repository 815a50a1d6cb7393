// TaxData_T1KSNew: the return summary.
#pragma once

#include "marrow/FormFields.h"

#include <QPointer>
#include <memory>
#include <vector>

// T1 summary: code 93, its re-filing copy 159 and the prior-year copy 165. Beside its own
// entries it mirrors the T1's identification and line amounts under the T1's field names, and
// blocks of the schedules under the schedule's prefix and field name ("sch3_13200A").
class TaxData_T1KSNew : public CTaxData_Form
{
public:
    explicit TaxData_T1KSNew(int code);
    ~TaxData_T1KSNew() override;
    // The values of another summary (the prior-year copy takes this year's); the code stays.
    TaxData_T1KSNew &operator=(const TaxData_T1KSNew &other)
    {
        if (this != &other)
            copyValuesFrom(other);
        return *this;
    }

    CStringField password{this, "password", 30};
    CStringField taxYear{this, "taxYear", 4};
    CIntField refundIndicator{this, "refundIndicator"};
    CFloatField averageRate{this, "averageRate"};
    CFloatField contributionRoom{this, "contributionRoom"};
    CFloatField capitalLoss{this, "capitalLoss"};
    CFloatField t1mCarryForward{this, "t1mCarryForward"};
    CFloatField gstCredit{this, "gstCredit"};
    CFloatField childBenefit{this, "childBenefit"};
    CIntField noBenefit{this, "noBenefit"};
    CIntField gstRecipient{this, "gstRecipient"};
    // The T1 part's own entries.
    CIntField province{this, "province"};
    CStringField fullName{this, "fullName"};
    CStringField fullNameLetter{this, "fullNameLetter"};
    CStringField fullNamePrint{this, "fullNamePrint"};
    CStringField address{this, "address", 200};
    CStringField addressLine2{this, "addressLine2", 200};
    // The credit estimate's two companion entries, cleared with it.
    CFloatField gstCreditQuarter{this, "gstCreditQuarter"};
    CFloatField gstCreditProvincial{this, "gstCreditProvincial"};
    // Left for the province plug-ins to fill after the estimates.
    CFloatField provincialBenefit{this, "provincialBenefit"};
    // Schedule 11's amount carried forward to the next year.
    CFloatField tuitionCarryForward{this, "sch11_59140"};
    // The day the T1A block was taken.
    CDateField t1aDate{this, "t1aDate"};
    // What Calculate01 works out: the two estimates together.
    CFloatField estimatedBenefits{this, "estimatedBenefits"};

    // A field the summary mirrors: its own name, the source's field name and type.
    struct Mirror
    {
        const char *name;
        const char *source;
        FieldType type;
    };
    // The T1 identification and line fields, under the T1's own names.
    static const std::vector<Mirror> &t1Part();
    // The schedules (form types) that have a block, and the block of one (or an empty list).
    static const std::vector<int> &scheduleBlockTypes();
    static const std::vector<Mirror> &scheduleBlock(int formType);

    // Takes the T1 part from the T1, field by field through the registry.
    void copyT1Part(const CTaxData_Form &t1);
    // Every entry of the T1 part back to its built value.
    void resetT1Part();
    // Takes a schedule's block, or clears it when the schedule is missing.
    void copyScheduleBlock(int formType, const CTaxData_Form *schedule);

    void Calculate01();

    // The Result page: the summary's lines for this person and the partner, the choices that
    // stay editable, the file password.
    void createPages(QList<BaseTaxPage *> &pages, QWidget *parent) override;
    // The partner's summary in a coupled return, set at each recalculation; null otherwise.
    // Not stored and not copied.
    TaxData_T1KSNew *partnerSummary() const { return m_partner; }
    void setPartnerSummary(TaxData_T1KSNew *partner) { m_partner = partner; }

private:
    // Where a schedule's block starts among the mirrored fields.
    static size_t blockStart(int formType);

    // The T1 part, then each schedule block, in table order.
    std::vector<std::unique_ptr<CField>> m_mirrors;
    // The T1 slot of each field of the T1 part, found on the first copy.
    std::vector<size_t> m_t1Slots;
    QPointer<TaxData_T1KSNew> m_partner;

public:
    // The instalment reminder of the summary: the four quarterly amounts.
    CFloatField instalmentMarch{this, "instalmentMarch"};
    CFloatField instalmentJune{this, "instalmentJune"};
    CFloatField instalmentSeptember{this, "instalmentSeptember"};
    CFloatField instalmentDecember{this, "instalmentDecember"};
};
