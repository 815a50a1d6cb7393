// ReturnFileEntriesModel: the recent return files as a three-column table that owns its rows.
#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "app/ReturnFileEntry.h"

class ReturnFileEntriesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ReturnFileEntriesModel(QObject *parent = nullptr);
    ~ReturnFileEntriesModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Takes ownership and appends the entry as the new last row.
    void appendEntry(ReturnFileEntry *entry);
    // Removes and frees the row; false (nothing announced) for a row outside the list.
    bool removeEntryAt(int row);
    // Frees every row; an empty list announces nothing.
    void clearEntries();
    // The row's return-file path; empty outside the list.
    CString filePathAt(int row) const;
    CString filePathOf(const QModelIndex &index) const;

    int entryCount() const { return m_entries.size(); }
    const ReturnFileEntry *entryAt(int row) const;

private:
    QList<ReturnFileEntry *> m_entries;
};
