// FormTypeIndex: the entries of each type, rebuilt only when the form list has changed.
#include "model/FormTypeIndex.h"

#include <algorithm>

const std::vector<TaxDataEntryStru *> &
FormTypeIndex::entriesOf(const QList<TaxDataEntryStru *> &list, int type)
{
    bringUpToDate(list);
    const auto found = m_byType.find(type);
    return found == m_byType.end() ? m_none : found->second;
}

void FormTypeIndex::bringUpToDate(const QList<TaxDataEntryStru *> &list)
{
    if (m_built && list.isSharedWith(m_indexed))
        return;
    // The entries indexed still lead the list in the same order: the list was copied or had
    // entries appended (the common change, as when a return loads), so only the new ones are
    // added.
    const int indexed = m_indexed.size();
    if (m_built && list.size() >= indexed &&
        std::equal(m_indexed.constBegin(), m_indexed.constEnd(), list.constBegin())) {
        for (int i = indexed; i < list.size(); ++i)
            m_byType[list[i]->type].push_back(list[i]);
        m_indexed = list;
        return;
    }
    m_indexed = list;
    for (auto &bucket : m_byType)
        bucket.second.clear();
    for (TaxDataEntryStru *entry : list)
        m_byType[entry->type].push_back(entry);
    m_built = true;
}
