// CT1ComboBox: the drop-down list bound to a whole-number field by its items' data.
#pragma once

#include <QComboBox>
#include <QList>

class CT1ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CT1ComboBox(QWidget *parent = nullptr);

    // An empty first item (data 0: no province), then each province with its code.
    void LoadProvs();
    // Makes the item whose data equals the value current; false (nothing changes) when none.
    bool SetCurSelData(int data);
    // The current item's data, or 0 when nothing is current.
    int curSelData() const;
    // One item per form type of the list, in order, its name shown and its type as
    // Qt::UserRole; with a filter only the types whose form number, name or short code
    // contains it, case ignored. Returns the number of items.
    int LoadTaxForms(int edition, const QList<int> &types, const QString &filter);
};
