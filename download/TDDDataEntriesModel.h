// TDDDataEntriesModel: the stored downloads as a three-column table that owns its rows.
#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "download/TDDDataEntry.h"

class TDDDataEntriesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TDDDataEntriesModel(QObject *parent = nullptr);
    ~TDDDataEntriesModel() override;

    // The same for any parent: the model is a flat table.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // Display and edit roles: the S.I.N., the create time text, the tax year as an integer.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Horizontal display headers "S.I.N.", "Update Time", "Tax Year".
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static TDDDataEntry *makeEntry(int id, const CString &sin, const CString &createTime,
                                   int taxYear);
    // Takes ownership and appends the entry as the new last row.
    void appendEntry(TDDDataEntry *entry);
    // Removes and frees the row; false, with nothing announced, for a row outside the list.
    bool removeEntry(int row);
    // Frees every row; an empty list announces nothing.
    void clear();
    // The row's entry, or null outside the list.
    TDDDataEntry *entryAt(int row) const;

private:
    QList<TDDDataEntry *> m_entries;
};
