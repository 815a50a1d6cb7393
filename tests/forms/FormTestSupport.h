// Helpers of the form-layer tests: every object the factories make, and generated values.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/CField.h"

#include <functional>
#include <memory>
#include <vector>

struct MadeObject
{
    QByteArray label; // e.g. "form 125", "slip 3", "note", "wizard 2"
    std::function<CTaxData_Form *()> make;
};

// One maker per form code, slip code, the note and each wizard-data type.
std::vector<MadeObject> allMakers();

// Sets the field to a value of its type that no field is built with, varied by seed.
void fillField(CField &field, int seed);
// fillField on every registered field of the object.
void fillAll(CTaxData_Form &form);
