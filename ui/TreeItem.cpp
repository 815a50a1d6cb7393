// TreeItem: out-of-line destructor and the children helper.
#include "ui/TreeItem.h"

TreeItem::~TreeItem() = default;

void removeAllChildren(QTreeWidgetItem *item)
{
    if (!item)
        return;
    for (int i = item->childCount() - 1; i >= 0; --i)
        delete item->takeChild(i);
}
