// ReturnFileEntriesModel: empty until the recent-files rows are listed into it.
#include "app/ReturnFileEntriesModel.h"

ReturnFileEntriesModel::ReturnFileEntriesModel(QObject *parent) : QAbstractTableModel(parent) {}

int ReturnFileEntriesModel::rowCount(const QModelIndex &) const { return 0; }

int ReturnFileEntriesModel::columnCount(const QModelIndex &) const { return 0; }

QVariant ReturnFileEntriesModel::data(const QModelIndex &, int) const { return QVariant(); }
