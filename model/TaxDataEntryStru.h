// The entries of a person's lists: a form or slip, a note, a wizard-data object.
#pragma once

class CTaxData_Form;
class TaxData_TaxNote;

// One form or slip. New ids start at 100; linkedId is the spouse twin's id, 0 for none.
struct TaxDataEntryStru
{
    int type = 0;
    int id = 0;
    int linkedId = 0;
    CTaxData_Form *data = nullptr;
};

struct TaxNoteEntryStru
{
    int key = 0;
    TaxData_TaxNote *data = nullptr;
};

// Type 1 to 6; the object of type 6 belongs to the province plug-in that made it.
struct TaxWizardEntryStru
{
    int type = 0;
    CTaxData_Form *data = nullptr;
};
