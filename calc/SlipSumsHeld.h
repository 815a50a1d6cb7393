// SlipSumsHeld: the persons' slip sums held while the object lives.
#pragma once

#include "model/IndividualTaxData.h"

// Holds the slip sums of each person given (a null one is skipped) from its making to its end,
// then puts back whether each person held them before, so an enclosing holder keeps its sums.
// For a run that changes no slip: the held sums follow a change of the slip list or the T1 age.
class SlipSumsHeld
{
public:
    SlipSumsHeld(IndividualTaxData *first, IndividualTaxData *second) : m_persons{first, second}
    {
        for (int i = 0; i < 2; ++i)
            m_wasHeld[i] = m_persons[i] && m_persons[i]->holdSlipSums(true);
    }
    ~SlipSumsHeld()
    {
        for (int i = 0; i < 2; ++i) {
            if (m_persons[i])
                m_persons[i]->holdSlipSums(m_wasHeld[i]);
        }
    }
    SlipSumsHeld(const SlipSumsHeld &) = delete;
    SlipSumsHeld &operator=(const SlipSumsHeld &) = delete;

private:
    IndividualTaxData *m_persons[2];
    bool m_wasHeld[2] = {false, false};
};
