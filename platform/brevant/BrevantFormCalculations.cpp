// The calculations of the further filing and special-tax forms: the additional tax on RESP
// accumulated income payments (T1172) and the tax shelter claim (T5004), on the 2025 figures
// (docs/TaxFigures2025.md).
#include "brevant/BrevantForms.h"

#include "marrow/FederalRates2025.h"
#include "marrow/FederalTaxRules.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

using FederalTaxRules::roundCents;
using namespace FederalRates2025;

void TaxData_T1172New::Calculate01()
{
    const double payments = std::max(0.0, t4aBox40.value());
    f68270 = roundCents(payments);
    // Part A: the contributions deducted reduce the payments taxed, within what is left of
    // the lifetime limit.
    const double room =
        std::max(0.0, kRespAipLifetimeLimit - std::max(0.0, earlierReductions.value()));
    const double reduction =
        std::min({payments, std::max(0.0, contributionsDeducted.value()), room});
    f68280 = roundCents(partA == 1 ? payments - reduction : payments);
    partATax = roundCents((payments - reduction) * kRespAipTaxRate);
    partBTax = roundCents(payments * kRespAipTaxRate);
    quebecTax = roundCents(f68280 * kRespAipTaxRateQuebec);
    if (province == ProvinceCode::QC)
        additionalTax = quebecTax.value();
    else
        additionalTax = partA == 1 ? partATax.value() : partBTax.value();
}

void TaxData_T5004::Calculate01()
{
    double total = 0;
    for (int row = 0; row < shelters.rowCount(); ++row)
        total += std::max(0.0, shelters.amountAt(row, 1).value());
    f6765 = roundCents(total);
}
