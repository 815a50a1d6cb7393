// A person's form of a type, as its form class.
#pragma once

#include "model/IndividualTaxData.h"

// The person's form of the type (id 0: the one form of the type), made when asked to; null
// when there is none, more than one, or it is not of the class.
template <typename Form> Form *formOf(IndividualTaxData &person, int type, bool create = false)
{
    return dynamic_cast<Form *>(person.getForm(type, 0, create));
}
