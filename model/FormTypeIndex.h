// FormTypeIndex: a person's form entries grouped by type, for look-ups that would scan the list.
#pragma once

#include "model/TaxDataEntryStru.h"

#include <QList>
#include <unordered_map>
#include <vector>

// The entries of each type in list order, built from the form list on the first look-up and
// again whenever the list is not the one indexed. The index holds a shallow copy of the list it
// was built from: any change to the list detaches it from that copy (copy on write), so a change
// made anywhere, also straight on the list, is seen in constant time. A list that was only
// detached (walked through a non-const iterator) keeps the index, and one that had entries
// appended has only those added.
// An entry's type is taken as fixed while the entry is in the list.
class FormTypeIndex
{
public:
    // Valid until the list next changes: copy what must outlive a change.
    const std::vector<TaxDataEntryStru *> &entriesOf(const QList<TaxDataEntryStru *> &list,
                                                     int type);

private:
    void bringUpToDate(const QList<TaxDataEntryStru *> &list);

    QList<TaxDataEntryStru *> m_indexed;
    bool m_built = false;
    std::unordered_map<int, std::vector<TaxDataEntryStru *>> m_byType;
    std::vector<TaxDataEntryStru *> m_none;
};
