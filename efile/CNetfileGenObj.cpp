// CNetfileGenObj: each form's own line records, in list order.
#include "efile/CNetfileGenObj.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/EfileRecords.h"
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/NetfileRecords.h"

bool CNetfileGenObj::visit(TaxDataEntryStru *entry, void *param)
{
    ++m_count;
    auto *records = static_cast<NetfileGenObjParamStru *>(param);
    switch (entry->type) {
    case FormType::FORM_19:
    case FormType::FORM_22:
    case FormType::FORM_33:
    case FormType::T1273:
        return true;
    default:
        break;
    }
    if (IsSFDForm(entry->type))
        return true;
    if (entry->data) {
        // A line the T1 carries is written by the T1 alone, whichever form worked it out.
        if (entry->type != FormType::T1)
            records->skipCodes = &t1OwnLineCodes();
        entry->data->writeEfileRecords(records->edition, *records);
        records->skipCodes = nullptr;
    }
    if (entry->type == FormType::T2209)
        ++records->t2209Count;
    return true;
}
