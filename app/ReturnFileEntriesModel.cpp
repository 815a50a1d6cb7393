// ReturnFileEntriesModel: rows, their texts and the announced changes.
#include "app/ReturnFileEntriesModel.h"

ReturnFileEntriesModel::ReturnFileEntriesModel(QObject *parent) : QAbstractTableModel(parent) {}

ReturnFileEntriesModel::~ReturnFileEntriesModel()
{
    qDeleteAll(m_entries);
}

// A flat table: an item has no children, or views would see an endless tree.
int ReturnFileEntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int ReturnFileEntriesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ReturnFileEntriesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const ReturnFileEntry *entry = entryAt(index.row());
    if (!entry)
        return QVariant();
    switch (index.column()) {
    case 0:
        return QString(entry->name());
    case 1:
        return QString(entry->openTime());
    case 2:
        return QString(entry->path());
    default:
        return QVariant();
    }
}

QVariant ReturnFileEntriesModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0:
        return QStringLiteral("Tax Payer's Name");
    case 1:
        return QStringLiteral("Last Open Time");
    case 2:
        return QStringLiteral("Return File Path");
    default:
        return QVariant();
    }
}

void ReturnFileEntriesModel::appendEntry(ReturnFileEntry *entry)
{
    const int row = m_entries.size();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(entry);
    endInsertRows();
}

bool ReturnFileEntriesModel::removeEntryAt(int row)
{
    if (row < 0 || row >= m_entries.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_entries.takeAt(row);
    endRemoveRows();
    return true;
}

void ReturnFileEntriesModel::clearEntries()
{
    if (m_entries.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_entries.size() - 1);
    qDeleteAll(m_entries);
    m_entries.clear();
    endRemoveRows();
}

CString ReturnFileEntriesModel::filePathAt(int row) const
{
    const ReturnFileEntry *entry = entryAt(row);
    return entry ? entry->path() : CString();
}

CString ReturnFileEntriesModel::filePathOf(const QModelIndex &index) const
{
    return filePathAt(index.row());
}

const ReturnFileEntry *ReturnFileEntriesModel::entryAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row) : nullptr;
}
