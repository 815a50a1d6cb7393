// CFloatField: an amount field of a form (the form layer completes this class).
#pragma once

class CFloatField
{
public:
    // Framework switch: the sibling product's amount behaviour; start-up turns it off.
    static bool p_for_t2hollins;
};
