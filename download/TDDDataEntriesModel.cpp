// TDDDataEntriesModel: rows, headers and the announced changes of the stored downloads list.
#include "download/TDDDataEntriesModel.h"

namespace {
constexpr int kColumns = 3;
} // namespace

TDDDataEntriesModel::TDDDataEntriesModel(QObject *parent) : QAbstractTableModel(parent) {}

TDDDataEntriesModel::~TDDDataEntriesModel()
{
    qDeleteAll(m_entries);
}

int TDDDataEntriesModel::rowCount(const QModelIndex &parent) const
{
    // A table model's items have no children; the tester asks with item parents too.
    return parent.isValid() ? 0 : m_entries.size();
}

int TDDDataEntriesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant TDDDataEntriesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const TDDDataEntry *entry = entryAt(index.row());
    if (!index.isValid() || !entry)
        return QVariant();
    switch (index.column()) {
    case 0:
        return QString(entry->sin());
    case 1:
        return QString(entry->createTime());
    case 2:
        return entry->taxYear();
    default:
        return QVariant();
    }
}

QVariant TDDDataEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0:
        return QStringLiteral("S.I.N.");
    case 1:
        return QStringLiteral("Update Time");
    case 2:
        return QStringLiteral("Tax Year");
    default:
        return QVariant();
    }
}

TDDDataEntry *TDDDataEntriesModel::makeEntry(int id, const CString &sin, const CString &createTime,
                                             int taxYear)
{
    return new TDDDataEntry(id, sin, createTime, taxYear);
}

void TDDDataEntriesModel::appendEntry(TDDDataEntry *entry)
{
    if (!entry)
        return;
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

bool TDDDataEntriesModel::removeEntry(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_entries.takeAt(row);
    endRemoveRows();
    return true;
}

void TDDDataEntriesModel::clear()
{
    if (m_entries.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
    qDeleteAll(m_entries);
    m_entries.clear();
    endRemoveRows();
}

TDDDataEntry *TDDDataEntriesModel::entryAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries[row] : nullptr;
}
