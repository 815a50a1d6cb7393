// collectAddableForms: provincial forms, hand-added federal forms, then the SFD forms.
#include "ui/AddableForms.h"

#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

namespace {

bool isSfdListed(int type)
{
    for (int i = 0; i < SFD_Forms_Num; ++i) {
        if (SFD_Forms_Info[i] == type)
            return true;
    }
    return false;
}

} // namespace

void collectAddableForms(const QList<int> &provinces, QList<int> &formTypes)
{
    for (int province : provinces) {
        if (province < 0 || province >= Global_Provs_Num)
            continue;
        const ProvinceFormList &list = Province_Forms_Info[province];
        for (int i = 0; i < list.count; ++i) {
            if (list.rows[i].flag == 0)
                formTypes.append(list.rows[i].type);
        }
    }
    // The SFD forms come last, in their own order, so they are left out here.
    for (const FormInfoRow &row : Global_Forms_Info) {
        if (row.province != 0 || !(row.flags & FormUserAddable) || isSfdListed(row.type) ||
            IsFormExpired(row.type, 0))
            continue;
        if (row.type == FormType::T1 || row.type == FormType::SCH10 || row.type == FormType::T1KS)
            continue;
        formTypes.append(row.type);
    }
    for (int i = 0; i < SFD_Forms_Num; ++i)
        formTypes.append(SFD_Forms_Info[i]);
}
