// How a shared form finds its twin in the partner's return.
#pragma once

class CTaxData_Form;
class IndividualTaxData;

// Links the person's form with the partner's single form of its type, made (prefilled, with
// the partner's next id) when the partner has none. When the partner holds several, none is
// the twin: the form is left unlinked and false returned.
bool linkSingleTwin(IndividualTaxData &person, IndividualTaxData &partner, CTaxData_Form &form);
