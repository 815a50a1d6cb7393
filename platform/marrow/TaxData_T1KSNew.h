// TaxData_T1KSNew: the return summary.
#pragma once

#include "marrow/FormFields.h"

// T1 summary: code 93, its re-filing copy 159 and the prior-year copy 165.
class TaxData_T1KSNew : public CTaxData_Form
{
public:
    explicit TaxData_T1KSNew(int code) : CTaxData_Form(code) {}
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
};
