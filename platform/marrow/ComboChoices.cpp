// ComboChoices: province and form lists from the form tables.
#include "marrow/ComboChoices.h"

#include "marrow/FormTables.h"

QList<ComboChoice> provinceChoices()
{
    QList<ComboChoice> choices{{QString(), 0, {}}};
    for (int code = 1; code < Global_Provs_Num; ++code)
        choices.append({QString::fromUtf8(Global_Provs_Info[code].name), code, {}});
    return choices;
}

QList<ComboChoice> formChoices(const QList<int> &types)
{
    QList<ComboChoice> choices;
    for (int type : types) {
        const FormInfoRow *row = formInfo(type);
        if (!row)
            continue;
        choices.append({QString::fromUtf8(row->name),
                        type,
                        {QString::fromUtf8(row->identifier), QString::fromUtf8(row->code)}});
    }
    return choices;
}
