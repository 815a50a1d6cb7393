// The merge of downloaded Auto-fill data: the hook through which the download supplies it.
//
// FamilyTaxData::applyAutoFillData hands the downloaded record of one person to
// IndividualTaxData::mergeDownloadedTaxData, which belongs to the download subsystem; it
// installs the merge at start-up (app/entry). Until then nothing is merged and the result is 0.
#pragma once

class DataAFR;
class IndividualTaxData;
class TDDTaxDataOnePerson;

// Merges the record into the person as the options select; the result is not used.
using AutoFillMerge = int (*)(IndividualTaxData &person, TDDTaxDataOnePerson *data,
                              DataAFR *options);

// Null puts back the default (merges nothing).
void setAutoFillMerge(AutoFillMerge merge);
AutoFillMerge autoFillMerge();
