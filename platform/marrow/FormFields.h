// What every form class header needs: the form base and the typed fields.
#pragma once

#include "marrow/CTaxData_Form.h"
#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CTableField.h"
