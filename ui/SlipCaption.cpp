// slipCaption: marker, type name, description.
#include "ui/SlipCaption.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/FormTables.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/CString.h"

void slipCaption(bool coupled, const TaxDataEntryStru *entry, CString &caption)
{
    if (!entry)
        return;
    CString suffix;
    if (entry->data) {
        entry->data->getDescription(suffix);
        if (entry->data->isDownloaded())
            suffix += QStringLiteral(" by AFR");
    }
    if (coupled && entry->linkedId > 0)
        caption = CString("S-");
    caption += slipName(entry->type);
    if (!suffix.isEmpty())
        caption += QStringLiteral(" - ") + suffix;
}
