// TreeViewDelegate: the toolkit's highlight is replaced by the editor's own.
#include "ui/TreeViewDelegate.h"

#include <QPainter>

TreeViewDelegate::TreeViewDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void TreeViewDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const bool light = option.palette.color(QPalette::Base).lightness() > 128;
    painter->fillRect(option.rect.adjusted(2, 1, -2, -1), QColor(0, 120, 215, light ? 25 : 40));
    painter->setPen(QPen(QColor(0, 120, 212, 255), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(option.rect.left(), option.rect.top(), option.rect.left(),
                      option.rect.bottom());
    painter->restore();
}
