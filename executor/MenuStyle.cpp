#include "MenuStyle.h"

#include "DesignedFont.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>

// The menu's system colours and the palette roles they became:
//   clMenu                -> QPalette::Window (the bar's background)
//   clMenuText            -> QPalette::WindowText
//   clActiveCaption       -> QPalette::Highlight
//   clInactiveCaptionText -> QPalette::WindowText of the Disabled group

namespace {

QPixmap Glyph(const QString& imageList, int index)
{
    return QPixmap((imageList.isEmpty() ? OwnerDrawMenuStyle::MenuImageList() : imageList).arg(index));
}

// The action a menu-bar item stands for, found by its place in the bar.
const QAction* ActionAt(const QWidget* widget, const QRect& rect)
{
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    if (!bar)
        return nullptr;
    for (const QAction* a : bar->actions())
        if (bar->actionGeometry(const_cast<QAction*>(a)) == rect)
            return a;
    return nullptr;
}

// An item is drawn selected while it is pressed, while its submenu is open
// and while the keyboard walks the bar; the mouse merely passing over it
// leaves it as it is.
bool IsChosen(const QWidget* widget, const QAction* action, QStyle::State state)
{
    if (state & QStyle::State_Sunken)
        return true;
    if (!(state & QStyle::State_Selected))
        return false;
    return (widget && widget->hasFocus()) || (action && action->menu() && action->menu()->isVisible());
}

} // namespace

OwnerDrawMenuStyle::OwnerDrawMenuStyle() = default;

QString OwnerDrawMenuStyle::MenuImageList() { return QStringLiteral(":/menu/menu_%1.png"); }

QFont OwnerDrawMenuStyle::CaptionFont()
{
    QFont f = DesignedFont(QStringLiteral("MS Sans Serif"));
    f.setPointSize(9);
    return f;
}

QSize OwnerDrawMenuStyle::NMainBeginMeasureItem(const QString& caption)
{
    const QFontMetrics fm(CaptionFont());
    return QSize(fm.horizontalAdvance(caption) + 24, fm.height() + 2);
}

void OwnerDrawMenuStyle::NMainBeginDrawItem(QPainter* canvas, const QRect& rect, const QString& caption,
                                            int imageIndex, bool enabled, bool selected, const QPalette& palette,
                                            const QString& imageList)
{
    const QColor menu = palette.color(QPalette::Active, QPalette::Window);
    canvas->save();
    if (imageIndex >= 0) {
        canvas->fillRect(rect, menu);
        canvas->drawPixmap(rect.left(), rect.top() + 2, Glyph(imageList, enabled ? imageIndex : imageIndex + 1));
    }
    // The glyph column stays in the menu colour; only the text area shows the selection.
    const QRect textRect = rect.adjusted(16, 0, 0, 0);
    QColor textColor;
    if (enabled && selected) {
        canvas->fillRect(textRect, palette.color(QPalette::Active, QPalette::Highlight));
        textColor = Qt::white;
    } else {
        canvas->fillRect(textRect, menu);
        textColor = enabled ? palette.color(QPalette::Active, QPalette::WindowText)
                            : palette.color(QPalette::Disabled, QPalette::WindowText);
    }
    const QFont font = CaptionFont();
    canvas->setFont(font);
    canvas->setPen(textColor);
    canvas->drawText(QPoint(rect.left() + 20, rect.top() + 2 + QFontMetrics(font).ascent()), caption);
    canvas->restore();
}

void OwnerDrawMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    if (element == CE_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const QAction* action = ActionAt(widget, item->rect);
            const int imageIndex = action ? action->property("ImageIndex").toInt() : -1;
            const bool enabled = item->state & State_Enabled;
            const bool selected = IsChosen(widget, action, item->state);
            const QString imageList = action ? action->property("ImageList").toString() : QString();
            NMainBeginDrawItem(painter, item->rect, item->text, imageIndex, enabled, selected, item->palette,
                               imageList);
            return;
        }
    }
    if (element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, option->palette.color(QPalette::Active, QPalette::Window));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void OwnerDrawMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    if (element == PE_PanelMenuBar) {
        painter->fillRect(option->rect, option->palette.color(QPalette::Active, QPalette::Window));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize OwnerDrawMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                           const QWidget* widget) const
{
    if (type == CT_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
            return NMainBeginMeasureItem(item->text);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int OwnerDrawMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    // Items stand side by side at their measured sizes, with no gaps or margins of the style's own.
    switch (metric) {
    case PM_MenuBarItemSpacing:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarPanelWidth:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void InstallOwnerDrawMenuStyle(QMenuBar* bar)
{
    auto* style = new OwnerDrawMenuStyle;
    style->setParent(bar);
    bar->setStyle(style);
}
