#include "CondensedRows.h"

#include "ListRows.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace {

class CondensedRowDelegate : public FixedRowDelegate {
public:
    using FixedRowDelegate::FixedRowDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        // The room the style leaves for the text: its text rectangle less
        // the margin it keeps on either side.
        const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
        const int room = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).width() - 2 * margin;
        const int text = opt.fontMetrics.horizontalAdvance(opt.text);
        if (text <= room) {
            FixedRowDelegate::paint(painter, option, index);
            return;
        }
        // The row is laid out as wide as its whole line needs, margins
        // included, and then squeezed back into the list's width.
        QStyleOptionViewItem wide(option);
        wide.rect.setWidth(opt.rect.width() - room + text + 1);
        const qreal squeeze = qreal(opt.rect.width()) / wide.rect.width();
        painter->save();
        painter->translate(opt.rect.left(), 0);
        painter->scale(squeeze, 1);
        painter->translate(-opt.rect.left(), 0);
        FixedRowDelegate::paint(painter, wide, index);
        painter->restore();
    }
};

} // namespace

void CondenseLongRows(QListWidget* list, int rowHeight)
{
    list->setItemDelegate(new CondensedRowDelegate(rowHeight, list));
}
