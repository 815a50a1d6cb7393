// ReturnFileEntriesModel: the recent return files as a table (rows come with the recent-files work).
#pragma once

#include <QAbstractTableModel>

class ReturnFileEntriesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ReturnFileEntriesModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
