#include "ListRows.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QListWidget>

QString ShownRowText(const QString& text)
{
    return text.size() > kShownRowChars ? text.left(kShownRowChars) : text;
}

void FixedRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = ShownRowText(option->text);
}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(height_);
    return s;
}

QListWidget* MakeList(QWidget* parent, const char* name, int rowHeight)
{
    auto* list = new QListWidget(parent);
    SetUpList(list, name, new FixedRowDelegate(rowHeight, list));
    return list;
}

void SetUpList(QListWidget* list, const char* name, QStyledItemDelegate* rows)
{
    list->setObjectName(QString::fromLatin1(name));
    list->setItemDelegate(rows);
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    // Long lines are cut at the right edge, as in a plain list box: no
    // scroll bar, no ellipsis.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
}

QStringList ListItems(const QListWidget* list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

int SelectedRow(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}
