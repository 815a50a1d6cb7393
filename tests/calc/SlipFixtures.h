// Slips for the slip-total tests: a slip from the factory with named fields set.
#pragma once

#include <memory>
#include <utility>
#include <vector>

class CTaxData_Form;

using FieldValues = std::vector<std::pair<const char *, double>>;

// A slip of the code with each named field set through the field registry, so that a field
// registered under another name is caught. "periods:1:2" names a table cell (row 1, column 2).
// A name the slip lacks is a fixture bug and ends the test.
std::unique_ptr<CTaxData_Form> makeSlip(int code, const FieldValues &values);
