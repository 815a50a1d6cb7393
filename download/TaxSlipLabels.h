// The box labels the summary page shows for the twelve slip kinds that label their boxes.
#pragma once

#include "download/TaxSlip.h"

extern const TaxSlipLabelTable t4BoxLabels;
extern const TaxSlipLabelTable t4aBoxLabels;
extern const TaxSlipLabelTable t4eBoxLabels;
extern const TaxSlipLabelTable rc62BoxLabels;
extern const TaxSlipLabelTable t5BoxLabels;
extern const TaxSlipLabelTable t3BoxLabels;
extern const TaxSlipLabelTable t4aoasBoxLabels;
extern const TaxSlipLabelTable t4rspBoxLabels;
extern const TaxSlipLabelTable t5013BoxLabels;
extern const TaxSlipLabelTable t4rifBoxLabels;
extern const TaxSlipLabelTable rc210BoxLabels;
extern const TaxSlipLabelTable t4fhsaBoxLabels;
