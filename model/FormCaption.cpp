// makeFormCaption: shared marker, title and a multiple form's own description.
#include "model/FormCaption.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/FormTables.h"
#include "model/TaxDataEntryStru.h"

void makeFormCaption(bool coupled, const TaxDataEntryStru *entry, CString &caption)
{
    if (!entry)
        return;
    // Only a coupled return has a twin for the link to point at.
    if (coupled && entry->linkedId > 0)
        caption = CString("S-");
    const QString title = formName(entry->type);
    CString description;
    if (IsMultipleForm(entry->type) && entry->data)
        entry->data->getDescription(description);
    if (description.IsEmpty())
        caption += title;
    else
        caption += QString("%1 - %2 (%3)").arg(title, description).arg(entry->id);
}
