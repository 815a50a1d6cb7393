// The factories that turn a form, slip, note or wizard-data code into a new object.
#pragma once

class CTaxData_Form;
class TaxData_TaxNote;

// A new object owned by the caller, or null for a code the federal library does not make
// (a provincial form is then asked of the province plug-ins).
CTaxData_Form *createFederalForm(int code);
// A new slip owned by the caller, or null for a code without a slip class.
CTaxData_Form *createSlip(int code);
TaxData_TaxNote *createNote();
// The interview object of wizard-data types 1 to 5, null otherwise (type 6 belongs to
// the province plug-ins).
CTaxData_Form *createWizardData(int type);
