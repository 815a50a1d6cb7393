// TreeViewDelegate: paints the forms tree's selected row with a soft fill and a left bar.
#pragma once

#include <QStyledItemDelegate>

class TreeViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit TreeViewDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
