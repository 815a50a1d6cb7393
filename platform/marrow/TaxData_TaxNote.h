// TaxData_TaxNote: a note the user keeps with a return.
#pragma once

#include "marrow/FormFields.h"
#include "marrow/TypeCodes.h"
#include "ordane/CString.h"

class TaxData_TaxNote : public CTaxData_Form
{
public:
    TaxData_TaxNote() : CTaxData_Form(NoteType::Note, KindNote) {}

    CStringField description{this, "description", 80};
    CStringField text{this, "text", 0};

    // The forms tree shows a note by its description.
    void getDescription(CString &out) const override { out = description.value(); }
    // One page: the description and the text over several lines.
    void createPages(QList<BaseTaxPage *> &pages, QWidget *parent) override;
};
