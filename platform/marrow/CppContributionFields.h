// The contribution inputs and results both CPP forms (Schedule 8 and the RC381) register.
#pragma once

#include "marrow/FormFields.h"

// Registered with the form under the form's own names: the contributory months, the earnings,
// and the results: the employee's base contributions (line 30800), the first additional and
// second contributions (line 22215), the overpayment (line 44800), and on self-employment and
// other earnings the credit part (line 31000), the deduction part (line 22200) and the
// contributions payable with the return (line 42100).
struct CppContributionFields
{
    explicit CppContributionFields(FieldOwner *form)
        : months{form, "months", 12}, pensionableEarnings{form, "pensionableEarnings"},
          selfEmploymentEarnings{form, "selfEmploymentEarnings"},
          baseContributions{form, "baseContributions"},
          enhancedContributions{form, "enhancedContributions"},
          overpayment{form, "overpayment"}, age{form, "age"}, deceased{form, "deceased"},
          retirementFlag{form, "retirementFlag"}, selfEmployedCredit{form, "selfEmployedCredit"},
          selfEmployedDeduction{form, "selfEmployedDeduction"}, selfEmployedPayable{
                                                                    form, "selfEmployedPayable"}
    {
    }
    CIntField months;
    CFloatField pensionableEarnings;
    CFloatField selfEmploymentEarnings;
    CFloatField baseContributions;
    CFloatField enhancedContributions;
    CFloatField overpayment;
    CIntField age;
    CBoolField deceased;
    CBoolField retirementFlag;
    CFloatField selfEmployedCredit;
    CFloatField selfEmployedDeduction;
    CFloatField selfEmployedPayable;

    // The six CPP amounts of the T1: 30800, 22215, 44800, and the self-employment lines
    // 22200, 31000 and 42100.
    void getCPPRelatedAmounts(double amounts[6]) const
    {
        amounts[0] = baseContributions;
        amounts[1] = enhancedContributions;
        amounts[2] = overpayment;
        amounts[3] = selfEmployedDeduction;
        amounts[4] = selfEmployedCredit;
        amounts[5] = selfEmployedPayable;
    }
};
