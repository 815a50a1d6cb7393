// The new-return wizard's page ids, in the order the pages are added.
#pragma once

enum NewReturnPageId
{
    NewReturnTaxpayerPage = 0,
    NewReturnSpousePage = 1,
    NewReturnFormsPage = 2,
};
