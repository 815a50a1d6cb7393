// CT1ComboBox: province and form lists from the form tables.
#include "ordane/CT1ComboBox.h"

#include "marrow/FormTables.h"

CT1ComboBox::CT1ComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CT1ComboBox::LoadProvs()
{
    const QSignalBlocker quiet(this);
    clear();
    addItem(QString(), 0);
    for (int code = 1; code < Global_Provs_Num; ++code)
        addItem(QString::fromUtf8(Global_Provs_Info[code].name), code);
    setCurrentIndex(0);
}

bool CT1ComboBox::SetCurSelData(int data)
{
    const int index = findData(data);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

int CT1ComboBox::curSelData() const
{
    return currentIndex() < 0 ? 0 : currentData().toInt();
}

int CT1ComboBox::LoadTaxForms(int /*edition: the caller's list already suits it*/,
                              const QList<int> &types, const QString &filter)
{
    const QSignalBlocker quiet(this);
    clear();
    const QString wanted = filter.trimmed();
    for (int type : types) {
        const FormInfoRow *row = formInfo(type);
        if (!row)
            continue;
        const QString name = QString::fromUtf8(row->name);
        if (!wanted.isEmpty() && !name.contains(wanted, Qt::CaseInsensitive) &&
            !QString::fromUtf8(row->identifier).contains(wanted, Qt::CaseInsensitive) &&
            !QString::fromUtf8(row->code).contains(wanted, Qt::CaseInsensitive))
            continue;
        addItem(name, type);
    }
    return count();
}
