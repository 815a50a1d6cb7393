// The contribution inputs and results both CPP forms (Schedule 8 and the RC381) register.
#pragma once

#include "marrow/FormFields.h"

// Registered with the form under the form's own names: the contributory months, the earnings,
// and the results: the base contributions (line 30800), the first additional and second
// contributions (line 22215) and the overpayment (line 44800). Contributions on
// self-employment earnings are not computed (the split for lines 22200 and 31000 is not in
// the published figures used).
struct CppContributionFields
{
    explicit CppContributionFields(FieldOwner *form)
        : months{form, "months", 12}, pensionableEarnings{form, "pensionableEarnings"},
          selfEmploymentEarnings{form, "selfEmploymentEarnings"},
          baseContributions{form, "baseContributions"},
          enhancedContributions{form, "enhancedContributions"}, overpayment{form, "overpayment"},
          age{form, "age"}, deceased{form, "deceased"}, retirementFlag{form, "retirementFlag"}
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

    // The six CPP amounts of the T1: 30800, 22215, 44800, and the self-employment lines
    // 22200, 31000 and 42100 (0 here).
    void getCPPRelatedAmounts(double amounts[6]) const
    {
        amounts[0] = baseContributions;
        amounts[1] = enhancedContributions;
        amounts[2] = overpayment;
        amounts[3] = amounts[4] = amounts[5] = 0.0;
    }
};
