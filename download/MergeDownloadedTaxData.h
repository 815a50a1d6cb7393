// The Auto-fill merge: installs IndividualTaxData::mergeDownloadedTaxData as the model's hook.
#pragma once

// Start-up calls it once; FamilyTaxData::applyAutoFillData then merges through it.
void installAutoFillMerge();
